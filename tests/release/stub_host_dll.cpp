// Stands in for one of the host's DLLs in the load test: every export its
// .def file lists is an alias of one of these, so each import of the release
// DLL resolves. Nothing calls them.
extern "C" void quillmere_stub_function() {}
extern "C" const wchar_t* quillmere_stub_data = L"";
