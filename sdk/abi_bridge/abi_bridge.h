/* The stand-in's object API as plain C, for code built by another compiler.
 *
 * The host's own DLLs speak Microsoft's C++ ABI; the stand-in is built by GCC
 * (MinGW on Windows), whose C++ ABI is another. The stand-in's MSVC-ABI
 * sicppsdk.dll (sdk/msvc_abi) carries each call a plug-in makes to these
 * functions, which make it on the stand-in's own classes. Only plain C crosses:
 * opaque pointers to objects one side made and only that side uses or frees,
 * a reference's word, numbers and wide text.
 *
 * The functions follow the object API member for member; none decides
 * anything of its own. Where a call faults (an exception on the stand-in's
 * side), it returns a neutral value and bridge_fault_pending() answers true
 * until the engine takes the fault: the caller must not go on.
 */
#ifndef XSI_STANDIN_ABI_BRIDGE_H
#define XSI_STANDIN_ABI_BRIDGE_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(_WIN32) && defined(XSI_STANDIN_BRIDGE_IMPL)
#define BRIDGE_API __declspec(dllexport)
#elif defined(_WIN32)
#define BRIDGE_API __declspec(dllimport)
#else
#define BRIDGE_API __attribute__((visibility("default")))
#endif

/* A CRef's word: the same on both sides, so a reference crosses as it is. */
typedef uintptr_t bridge_ref;

/* Objects of the stand-in's own, behind opaque pointers. */
typedef struct bridge_string bridge_string;
typedef struct bridge_string_array bridge_string_array;
typedef struct bridge_value bridge_value;
typedef struct bridge_value_array bridge_value_array;
typedef struct bridge_ref_array bridge_ref_array;

/* The built-in types a CValue is made from and read as, each its own
 * overload in the object API. */
enum bridge_number_kind {
	BRIDGE_SHORT,
	BRIDGE_USHORT,
	BRIDGE_LONG,
	BRIDGE_INT,
	BRIDGE_ULONG,
	BRIDGE_LLONG,
	BRIDGE_ULLONG,
	BRIDGE_FLOAT,
	BRIDGE_DOUBLE,
	BRIDGE_BOOL,
	BRIDGE_UCHAR,
	BRIDGE_SCHAR
};

typedef struct bridge_number {
	int32_t kind; /* a bridge_number_kind */
	union {
		int16_t s;
		uint16_t us;
		int32_t l; /* LONG and int: 32 bits on Windows */
		uint32_t ul;
		int64_t ll;
		uint64_t ull;
		float f;
		double d;
		int32_t b;
		uint8_t uc;
		int8_t sc;
	} u;
} bridge_number;

/* The comparisons, each forwarded to its own operator. */
enum bridge_comparison { BRIDGE_EQ, BRIDGE_NE, BRIDGE_LT, BRIDGE_GT, BRIDGE_LE, BRIDGE_GE, BRIDGE_EQ_NO_CASE };

/* ---- faults ---- */
BRIDGE_API int bridge_fault_pending(void);

/* ---- CStatus (a code) ---- */
BRIDGE_API int bridge_status_succeeded(int32_t code);
BRIDGE_API bridge_string* bridge_status_description(int32_t code);
BRIDGE_API void bridge_status_assert_succeeded(int32_t code, const bridge_string* message);
BRIDGE_API int bridge_status_compare(int32_t code, int32_t comparison, int32_t other);

/* ---- CString ---- */
BRIDGE_API bridge_string* bridge_string_new(void);
BRIDGE_API bridge_string* bridge_string_new_wide(const wchar_t* text);
BRIDGE_API bridge_string* bridge_string_new_wide_count(const wchar_t* text, uint32_t count);
BRIDGE_API bridge_string* bridge_string_new_ascii(const char* text);
BRIDGE_API bridge_string* bridge_string_new_ascii_count(const char* text, uint32_t count);
BRIDGE_API bridge_string* bridge_string_new_copy(const bridge_string* from);
BRIDGE_API bridge_string* bridge_string_new_from_value(const bridge_value* value);
BRIDGE_API void bridge_string_delete(bridge_string* string);
BRIDGE_API const wchar_t* bridge_string_wide(const bridge_string* string);
BRIDGE_API const char* bridge_string_ascii(const bridge_string* string);
BRIDGE_API int32_t bridge_string_put_ascii(bridge_string* string, const char* text);
BRIDGE_API uint32_t bridge_string_length(const bridge_string* string);
BRIDGE_API int bridge_string_is_empty(const bridge_string* string);
BRIDGE_API void bridge_string_clear(bridge_string* string);
BRIDGE_API void bridge_string_assign(bridge_string* string, const bridge_string* from);
BRIDGE_API void bridge_string_assign_wide(bridge_string* string, const wchar_t* text);
BRIDGE_API void bridge_string_assign_ascii(bridge_string* string, const char* text);
BRIDGE_API int bridge_string_compare(const bridge_string* string, int32_t comparison, const bridge_string* other);
BRIDGE_API int bridge_string_compare_wide(const bridge_string* string, int32_t comparison, const wchar_t* text);
BRIDGE_API int bridge_string_compare_ascii(const bridge_string* string, int32_t comparison, const char* text);
BRIDGE_API void bridge_string_append(bridge_string* string, const bridge_string* other);
BRIDGE_API void bridge_string_append_wide(bridge_string* string, const wchar_t* text);
BRIDGE_API void bridge_string_append_ascii(bridge_string* string, const char* text);
BRIDGE_API void bridge_string_append_wchar(bridge_string* string, wchar_t character);
BRIDGE_API void bridge_string_append_char(bridge_string* string, char character);
BRIDGE_API bridge_string* bridge_string_concat(const bridge_string* string, const bridge_string* other);
BRIDGE_API bridge_string* bridge_string_concat_wide(const bridge_string* string, const wchar_t* text);
BRIDGE_API bridge_string* bridge_string_concat_ascii(const bridge_string* string, const char* text);
BRIDGE_API bridge_string* bridge_string_concat_wchar(const bridge_string* string, wchar_t character);
BRIDGE_API bridge_string* bridge_string_concat_char(const bridge_string* string, char character);
/* The free operator+ overloads, the text on the left. */
BRIDGE_API bridge_string* bridge_string_prepend_wide(const wchar_t* text, const bridge_string* string);
BRIDGE_API bridge_string* bridge_string_prepend_wchar(wchar_t character, const bridge_string* string);
BRIDGE_API bridge_string* bridge_string_prepend_ascii(const char* text, const bridge_string* string);
BRIDGE_API bridge_string* bridge_string_prepend_char(char character, const bridge_string* string);
BRIDGE_API wchar_t bridge_string_at(const bridge_string* string, uint32_t index);
BRIDGE_API uint32_t bridge_string_find(const bridge_string* string, const bridge_string* what, uint32_t start);
BRIDGE_API bridge_string* bridge_string_substring(const bridge_string* string, uint32_t start, uint32_t count);
BRIDGE_API bridge_string_array* bridge_string_split(const bridge_string* string, const bridge_string* separator);

/* ---- CStringArray ---- */
BRIDGE_API bridge_string_array* bridge_string_array_new(int32_t size);
BRIDGE_API bridge_string_array* bridge_string_array_new_copy(const bridge_string_array* from);
BRIDGE_API void bridge_string_array_delete(bridge_string_array* array);
BRIDGE_API void bridge_string_array_assign(bridge_string_array* array, const bridge_string_array* from);
BRIDGE_API int32_t bridge_string_array_count(const bridge_string_array* array);
BRIDGE_API int32_t bridge_string_array_add(bridge_string_array* array, const bridge_string* item);
BRIDGE_API int32_t bridge_string_array_clear(bridge_string_array* array);
BRIDGE_API int32_t bridge_string_array_resize(bridge_string_array* array, int32_t size);
/* The item at `index`, through the const operator[] or the other one: the
 * array's own, valid until the array changes. */
BRIDGE_API bridge_string* bridge_string_array_at(bridge_string_array* array, int32_t index, int writable);
BRIDGE_API int bridge_string_array_compare(const bridge_string_array* array, int32_t comparison,
                                           const bridge_string_array* other);

/* ---- CValue ---- */
BRIDGE_API bridge_value* bridge_value_new(void);
BRIDGE_API bridge_value* bridge_value_new_copy(const bridge_value* from);
BRIDGE_API bridge_value* bridge_value_new_number(const bridge_number* number);
BRIDGE_API bridge_value* bridge_value_new_string(const bridge_string* string);
BRIDGE_API bridge_value* bridge_value_new_ref(bridge_ref ref);
BRIDGE_API bridge_value* bridge_value_new_ref_array(const bridge_ref_array* array);
BRIDGE_API bridge_value* bridge_value_new_value_array(const bridge_value_array* array);
BRIDGE_API bridge_value* bridge_value_new_wide(const wchar_t* text);
BRIDGE_API bridge_value* bridge_value_new_ascii(const char* text);
BRIDGE_API bridge_value* bridge_value_new_string_array(const bridge_string_array* array);
BRIDGE_API void bridge_value_delete(bridge_value* value);
/* The value's type tag, which the host's class keeps in a public member. */
BRIDGE_API int32_t bridge_value_type(const bridge_value* value);
BRIDGE_API void bridge_value_assign(bridge_value* value, const bridge_value* from);
BRIDGE_API void bridge_value_assign_number(bridge_value* value, const bridge_number* number);
BRIDGE_API void bridge_value_assign_string(bridge_value* value, const bridge_string* string);
BRIDGE_API void bridge_value_assign_ref(bridge_value* value, bridge_ref ref);
BRIDGE_API void bridge_value_assign_ref_array(bridge_value* value, const bridge_ref_array* array);
BRIDGE_API void bridge_value_assign_value_array(bridge_value* value, const bridge_value_array* array);
BRIDGE_API void bridge_value_assign_wide(bridge_value* value, const wchar_t* text);
BRIDGE_API void bridge_value_assign_ascii(bridge_value* value, const char* text);
BRIDGE_API void bridge_value_assign_string_array(bridge_value* value, const bridge_string_array* array);
/* The conversion operators: `number->kind` says which. */
BRIDGE_API void bridge_value_to_number(const bridge_value* value, bridge_number* number);
BRIDGE_API bridge_string* bridge_value_to_string(const bridge_value* value);
BRIDGE_API bridge_ref bridge_value_to_ref(const bridge_value* value);
BRIDGE_API bridge_ref_array* bridge_value_to_ref_array(const bridge_value* value);
BRIDGE_API int bridge_value_compare(const bridge_value* value, int32_t comparison, const bridge_value* other);
BRIDGE_API int bridge_value_equals_string(const bridge_value* value, const bridge_string* string);
BRIDGE_API int bridge_value_equals_ref(const bridge_value* value, bridge_ref ref);
BRIDGE_API int bridge_value_equals_ref_array(const bridge_value* value, const bridge_ref_array* array);
BRIDGE_API int bridge_value_equals_value_array(const bridge_value* value, const bridge_value_array* array);
BRIDGE_API int bridge_value_equals_wide(const bridge_value* value, const wchar_t* text);
BRIDGE_API int bridge_value_equals_ascii(const bridge_value* value, const char* text);
BRIDGE_API int bridge_value_equals_string_array(const bridge_value* value, const bridge_string_array* array);
BRIDGE_API bridge_string* bridge_value_as_text(const bridge_value* value);
BRIDGE_API int bridge_value_is_empty(const bridge_value* value);
BRIDGE_API void bridge_value_change_type(bridge_value* value, int32_t type, const bridge_value* source);
BRIDGE_API void bridge_value_clear(bridge_value* value);

/* ---- CValueArray ---- */
BRIDGE_API bridge_value_array* bridge_value_array_new(int32_t size);
BRIDGE_API bridge_value_array* bridge_value_array_new_copy(const bridge_value_array* from);
BRIDGE_API void bridge_value_array_delete(bridge_value_array* array);
BRIDGE_API void bridge_value_array_assign(bridge_value_array* array, const bridge_value_array* from);
BRIDGE_API int32_t bridge_value_array_count(const bridge_value_array* array);
BRIDGE_API int32_t bridge_value_array_add(bridge_value_array* array, const bridge_value* item);
BRIDGE_API int32_t bridge_value_array_clear(bridge_value_array* array);
BRIDGE_API int32_t bridge_value_array_resize(bridge_value_array* array, int32_t size);
BRIDGE_API bridge_value* bridge_value_array_at(bridge_value_array* array, int32_t index, int writable);
BRIDGE_API int bridge_value_array_compare(const bridge_value_array* array, int32_t comparison,
                                          const bridge_value_array* other);

/* ---- CRef ---- */
BRIDGE_API int32_t bridge_ref_class_id(bridge_ref ref);
BRIDGE_API int bridge_ref_is_a(bridge_ref ref, int32_t class_id);
BRIDGE_API bridge_string* bridge_ref_class_id_name(bridge_ref ref);
BRIDGE_API int bridge_ref_is_valid(bridge_ref ref);
BRIDGE_API int bridge_ref_to_bool(bridge_ref ref);
BRIDGE_API int bridge_ref_compare(bridge_ref ref, int32_t comparison, bridge_ref other);
BRIDGE_API int32_t bridge_ref_set(bridge_ref* ref, const bridge_string* path);
BRIDGE_API bridge_string* bridge_ref_as_text(bridge_ref ref);

/* ---- CRefArray ---- */
BRIDGE_API bridge_ref_array* bridge_ref_array_new(int32_t size);
BRIDGE_API bridge_ref_array* bridge_ref_array_new_copy(const bridge_ref_array* from);
BRIDGE_API void bridge_ref_array_delete(bridge_ref_array* array);
BRIDGE_API void bridge_ref_array_assign(bridge_ref_array* array, const bridge_ref_array* from);
BRIDGE_API void bridge_ref_array_append(bridge_ref_array* array, const bridge_ref_array* other);
/* Through the const operator[] or the other one. */
BRIDGE_API bridge_ref bridge_ref_array_get(bridge_ref_array* array, int32_t index, int writable);
/* A reference written through the reference operator[] handed out. */
BRIDGE_API void bridge_ref_array_set(bridge_ref_array* array, int32_t index, bridge_ref ref);
BRIDGE_API bridge_ref bridge_ref_array_item(const bridge_ref_array* array, int32_t index);
BRIDGE_API bridge_ref bridge_ref_array_item_named(const bridge_ref_array* array, const bridge_string* name);
BRIDGE_API void bridge_ref_array_add(bridge_ref_array* array, bridge_ref item);
BRIDGE_API int32_t bridge_ref_array_count(const bridge_ref_array* array);
BRIDGE_API int bridge_ref_array_is_valid(const bridge_ref_array* array);
BRIDGE_API int bridge_ref_array_to_bool(const bridge_ref_array* array);
BRIDGE_API int32_t bridge_ref_array_class_id(const bridge_ref_array* array);
BRIDGE_API bridge_string* bridge_ref_array_class_id_name(const bridge_ref_array* array);
BRIDGE_API int bridge_ref_array_is_a(const bridge_ref_array* array, int32_t class_id);
BRIDGE_API int32_t bridge_ref_array_filter(const bridge_ref_array* array, const bridge_string* type,
                                           const bridge_string_array* families, const bridge_string* name,
                                           bridge_ref_array* out);

/* ---- Object handles ----
 * A handle is its API class (the siClassID its GetClassID answers) and its
 * reference's word; the stand-in makes a handle of that class holding that
 * word, and calls the member on it. */
BRIDGE_API bridge_ref bridge_handle_bind(int32_t api_class, bridge_ref ref);
BRIDGE_API bridge_ref bridge_handle_application(void);
BRIDGE_API int32_t bridge_handle_class_id(int32_t api_class, bridge_ref self);
BRIDGE_API int bridge_handle_is_a(int32_t api_class, bridge_ref self, int32_t class_id);
BRIDGE_API bridge_string* bridge_handle_class_id_name(int32_t api_class, bridge_ref self);
BRIDGE_API int bridge_handle_is_a_ref(int32_t api_class, bridge_ref self, bridge_ref ref);
BRIDGE_API int32_t bridge_handle_set_object(int32_t api_class, bridge_ref* self, bridge_ref ref);
BRIDGE_API int bridge_handle_is_valid(int32_t api_class, bridge_ref self);
BRIDGE_API bridge_ref bridge_handle_reset_object(int32_t api_class, bridge_ref self);
BRIDGE_API int bridge_handle_compare(int32_t api_class, bridge_ref self, int32_t comparison, int32_t other_class,
                                     bridge_ref other);

/* SIObject */
BRIDGE_API bridge_string* bridge_siobject_get_name(int32_t api_class, bridge_ref self);
BRIDGE_API int32_t bridge_siobject_put_name(int32_t api_class, bridge_ref self, bridge_string* name, int writable);
BRIDGE_API bridge_string* bridge_siobject_get_full_name(int32_t api_class, bridge_ref self);
BRIDGE_API bridge_ref_array* bridge_siobject_get_nested_objects(int32_t api_class, bridge_ref self);

/* Application */
BRIDGE_API bridge_ref bridge_application_get_selection(int32_t api_class, bridge_ref self);
BRIDGE_API bridge_ref bridge_application_get_active_scene_root(int32_t api_class, bridge_ref self);
/* The overload taking its arguments const when `const_arguments` is true. */
BRIDGE_API int32_t bridge_application_execute_command(int32_t api_class, bridge_ref self, const bridge_string* name,
                                                      bridge_value_array* arguments, int const_arguments,
                                                      bridge_value* io_value);
BRIDGE_API int32_t bridge_application_log_message(int32_t api_class, bridge_ref self, const bridge_string* message,
                                                  int32_t severity);

/* Selection */
BRIDGE_API bridge_ref_array* bridge_selection_get_array(int32_t api_class, bridge_ref self);
BRIDGE_API int32_t bridge_selection_get_count(int32_t api_class, bridge_ref self);

/* ProjectItem */
BRIDGE_API bridge_value* bridge_project_item_get_parameter_value(int32_t api_class, bridge_ref self,
                                                                 const bridge_string* name, double time);
BRIDGE_API int32_t bridge_project_item_put_parameter_number(int32_t api_class, bridge_ref self,
                                                            const bridge_string* name, const bridge_number* value,
                                                            double time);
BRIDGE_API int32_t bridge_project_item_put_parameter_value(int32_t api_class, bridge_ref self,
                                                           const bridge_string* name, const bridge_value* value,
                                                           double time);
BRIDGE_API int32_t bridge_project_item_put_parameter_ref(int32_t api_class, bridge_ref self, const bridge_string* name,
                                                         bridge_ref value, double time);
BRIDGE_API int32_t bridge_project_item_put_parameter_string(int32_t api_class, bridge_ref self,
                                                            const bridge_string* name, const bridge_string* value,
                                                            double time);
BRIDGE_API bridge_ref bridge_project_item_get_parameter(int32_t api_class, bridge_ref self, const bridge_string* name);

/* SceneItem, X3DObject, Kinematics, ChainBone */
BRIDGE_API bridge_ref bridge_scene_item_add_property(int32_t api_class, bridge_ref self, const bridge_string* preset,
                                                     int branch, const bridge_string* name);
/* The overload with an out-parameter: `out_class` is its API class, `out` its word, in and out. */
BRIDGE_API int32_t bridge_scene_item_add_property_out(int32_t api_class, bridge_ref self, const bridge_string* preset,
                                                      int branch, const bridge_string* name, int32_t out_class,
                                                      bridge_ref* out);
BRIDGE_API int32_t bridge_scene_item_add_custom_property(int32_t api_class, bridge_ref self, const bridge_string* name,
                                                         int branch, int32_t out_class, bridge_ref* out);
BRIDGE_API bridge_ref_array* bridge_scene_item_get_properties(int32_t api_class, bridge_ref self);
BRIDGE_API bridge_ref bridge_x3dobject_get_kinematics(int32_t api_class, bridge_ref self);
BRIDGE_API bridge_ref_array* bridge_kinematics_get_constraints(int32_t api_class, bridge_ref self);
BRIDGE_API bridge_ref bridge_chain_bone_get_joint(int32_t api_class, bridge_ref self);

/* CustomProperty::AddParameter: with a classification (12 arguments) when
 * `has_classification` is true, else the 11-argument overload, or the
 * 7-argument one when `min` is null. `parameter` is the out-parameter's word. */
BRIDGE_API int32_t bridge_custom_property_add_parameter(
    int32_t api_class, bridge_ref self, const bridge_string* script_name, int32_t type, int has_classification,
    int32_t classification, int32_t capabilities, const bridge_string* name, const bridge_string* description,
    const bridge_value* default_value, const bridge_value* min, const bridge_value* max,
    const bridge_value* suggested_min, const bridge_value* suggested_max, int32_t parameter_class,
    bridge_ref* parameter);

/* Command, Context, PPGEventContext */
BRIDGE_API int32_t bridge_command_enable_return_value(int32_t api_class, bridge_ref self, int enable);
BRIDGE_API int bridge_command_is_return_value_enabled(int32_t api_class, bridge_ref self);
BRIDGE_API bridge_ref bridge_context_get_source(int32_t api_class, bridge_ref self);
BRIDGE_API bridge_value* bridge_context_get_attribute(int32_t api_class, bridge_ref self, const bridge_string* name);
BRIDGE_API int32_t bridge_context_put_attribute(int32_t api_class, bridge_ref self, const bridge_string* name,
                                                const bridge_value* value);
BRIDGE_API int32_t bridge_ppg_event_context_get_event_id(int32_t api_class, bridge_ref self);

/* PPGLayout */
BRIDGE_API int32_t bridge_ppg_layout_clear(int32_t api_class, bridge_ref self);
BRIDGE_API int32_t bridge_ppg_layout_add_row(int32_t api_class, bridge_ref self);
BRIDGE_API int32_t bridge_ppg_layout_end_row(int32_t api_class, bridge_ref self);
BRIDGE_API bridge_ref bridge_ppg_layout_add_button(int32_t api_class, bridge_ref self, const bridge_string* script_name,
                                                   const bridge_string* label);
BRIDGE_API bridge_ref bridge_ppg_layout_add_group(int32_t api_class, bridge_ref self, const bridge_string* label,
                                                  int show_frame, int32_t width_percentage);
BRIDGE_API bridge_ref bridge_ppg_layout_add_item(int32_t api_class, bridge_ref self, const bridge_string* parameter,
                                                 const bridge_string* label, const bridge_string* type);
BRIDGE_API bridge_ref bridge_ppg_layout_end_group(int32_t api_class, bridge_ref self);

/* PluginRegistrar */
BRIDGE_API int32_t bridge_plugin_registrar_put_author(int32_t api_class, bridge_ref self, const bridge_string* author);
BRIDGE_API int32_t bridge_plugin_registrar_put_version(int32_t api_class, bridge_ref self, int32_t major,
                                                       int32_t minor);
/* RegisterCommand: with one name when `script_name` is null, else with both. */
BRIDGE_API bridge_ref bridge_plugin_registrar_register_command(int32_t api_class, bridge_ref self,
                                                               const bridge_string* name,
                                                               const bridge_string* script_name);
BRIDGE_API bridge_ref bridge_plugin_registrar_register_property(int32_t api_class, bridge_ref self,
                                                                const bridge_string* name);
BRIDGE_API int32_t bridge_plugin_registrar_get_version(int32_t api_class, bridge_ref self, int32_t* major,
                                                       int32_t* minor);
BRIDGE_API bridge_string* bridge_plugin_registrar_get_author(int32_t api_class, bridge_ref self);

/* ---- The other way: the engine calling a plug-in built in the MSVC ABI ----
 * The MSVC-ABI sicppsdk.dll exports this, by this name: it makes the
 * registrar or the context a plug-in's entry point takes, in that ABI, from
 * `argument`, and calls `entry`. It answers the entry point's status code;
 * when a call from inside faulted, *faulted is set and the plug-in's call is
 * abandoned where it stood, as a crash would end it. */
enum bridge_entry_kind {
	BRIDGE_ENTRY_LOAD_PLUGIN,   /* CStatus XSILoadPlugin(PluginRegistrar&) */
	BRIDGE_ENTRY_UNLOAD_PLUGIN, /* CStatus XSIUnloadPlugin(const PluginRegistrar&) */
	BRIDGE_ENTRY_CALLBACK       /* CStatus <Item>_<Callback>(CRef&) */
};
/* How the call ended: completed, or abandoned because the stand-in faulted
 * (bridge_fault_pending() holds what it threw) or because memory on the
 * other side ran out. */
enum bridge_call_end { BRIDGE_CALL_COMPLETED, BRIDGE_CALL_FAULTED, BRIDGE_CALL_OUT_OF_MEMORY };
#define BRIDGE_CALL_ENTRY_POINT_NAME "xsi_standin_call_entry_point"
typedef int32_t (*bridge_call_entry_point_fn)(int32_t kind, void* entry, bridge_ref argument, int* ended);

#ifdef __cplusplus
}
#endif

#endif
