// The resources are compiled in beside this file; the library needs one source of its own.
