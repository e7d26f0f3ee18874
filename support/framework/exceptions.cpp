#include "exceptions.h"

void Abort() { throw EAbort("Operation aborted"); }
