// The option property: one boolean per kind of target, on a page of its own.
#ifndef QUILLMERE_OPTION_PROPERTY_H
#define QUILLMERE_OPTION_PROPERTY_H

// The registered name: the host finds the property's callbacks by it
// (QuillmereOption_Define, _DefineLayout, _PPGEvent), and the command makes
// one instance per run from it.
const wchar_t* const kOptionPropertyName = L"QuillmereOption";

#endif
