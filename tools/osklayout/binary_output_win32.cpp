// Standard output in binary mode, so that the bytes written are the bytes the file holds.
#include <fcntl.h>
#include <io.h>
#include <stdio.h>

void UseBinaryStandardOutput() { _setmode(_fileno(stdout), _O_BINARY); }
