#include "FuzzEntry.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    VelQtFuzz::setUp();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    VelQtFuzz::styles(data, size);
    return 0;
}
