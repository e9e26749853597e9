// Any library named wnaspi32: the program tests plant it where the search must,
// or must not, find it. It needs no entry points for that.
