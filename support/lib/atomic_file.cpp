#include "support/lib/atomic_file.h"

std::string AtomicTempName(const std::string& target, unsigned long processId, unsigned attempt) {
    return target + "." + std::to_string(processId) + "-" + std::to_string(attempt) + ".tmp";
}
