// How the standard library's errors end the program, replaced for the size
// of its file. The library reports a misuse (a string grown past its
// limit, an index out of range) or exhausted memory by throwing; the
// program catches none of these, so each ends it at once, as the uncaught
// exception did. Defined here, they keep the library's exception classes,
// and the second copy of its string code that those bring, out of the file.
#include <bits/functexcept.h>

#include <cstdlib>

namespace std {
void __throw_bad_alloc() { abort(); }
void __throw_bad_array_new_length() { abort(); }
void __throw_bad_function_call() { abort(); }
void __throw_logic_error(const char*) { abort(); }
void __throw_length_error(const char*) { abort(); }
void __throw_out_of_range(const char*) { abort(); }
void __throw_out_of_range_fmt(const char*, ...) { abort(); }
void __throw_invalid_argument(const char*) { abort(); }
}  // namespace std

// The default answer to an escaped exception prints its demangled type to
// the console, which a windowed program does not have; this one leaves the
// demangler out of the file.
namespace __gnu_cxx {
void __verbose_terminate_handler() { abort(); }
}  // namespace __gnu_cxx
