#include "base/Random.h"

namespace {
constexpr int32_t MBIG = 1000000000;
constexpr int32_t MSEED = 161803398;

// Two's-complement arithmetic on 32 bits, as the generator was defined.
int32_t Wrap(int64_t value) { return static_cast<int32_t>(static_cast<uint32_t>(value)); }
}

CRandom::CRandom(int32_t seed) : table(new int32_t[56]())
{
    SetSeed(seed);
}

void CRandom::SetSeed(int32_t s)
{
    lastSeed = s;
    // |INT32_MIN| stays INT32_MIN, and the subtraction wraps.
    int32_t magnitude = s < 0 ? Wrap(-static_cast<int64_t>(s)) : s;
    int32_t mj = Wrap(static_cast<int64_t>(MSEED) - magnitude);
    mj %= MBIG;
    if (mj < 0) mj += MBIG;
    table[55] = mj;
    int32_t mk = 1;
    for (int i = 1; i <= 54; ++i) {
        int ii = (21 * i) % 55;
        table[ii] = mk;
        mk = mj - mk;
        if (mk < 0) mk += MBIG;
        mj = table[ii];
    }
    for (int pass = 0; pass < 4; ++pass) {
        for (int i = 1; i <= 55; ++i) {
            table[i] -= table[1 + (i + 30) % 55];
            if (table[i] < 0) table[i] += MBIG;
        }
    }
    inext = 0;
    inextp = 31;
}

int32_t CRandom::Next()
{
    if (++inext == 56) inext = 1;
    if (++inextp == 56) inextp = 1;
    int32_t mj = table[inext] - table[inextp];
    if (mj < 0) mj += MBIG;
    table[inext] = mj;
    return mj;
}

float CRandom::Uniform()
{
    return static_cast<float>(Next() * 1e-9);
}
