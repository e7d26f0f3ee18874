// Lets the compiler check the arguments of our printf-style functions.
#pragma once

#if defined(__clang__)
#define PENDREL_PRINTF(formatIndex, firstArgument) __attribute__((format(printf, formatIndex, firstArgument)))
#elif defined(__GNUC__)
#define PENDREL_PRINTF(formatIndex, firstArgument) __attribute__((format(gnu_printf, formatIndex, firstArgument)))
#else
#define PENDREL_PRINTF(formatIndex, firstArgument)
#endif
