#include <cstdint>
extern "C" {
__attribute__((visibility("default"))) bool IsOrvLibrary() { return true; }
}
