// A library that holds nothing but resources (alt_strings.rc).
