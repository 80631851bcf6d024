// The program's random generator: Knuth's subtractive generator with
// modulus 10^9, seeded once per process. Its constants and steps decide which
// screen savers a given seed produces, so none of them may change.
#pragma once
#include <cstdint>
#include <memory>

class CRandom {
public:
    explicit CRandom(int32_t seed);
    virtual ~CRandom() = default;

    void SetSeed(int32_t seed);
    int32_t seed() const { return lastSeed; }
    // 0 to 999,999,999.
    int32_t Next();
    // Next() * 1e-9 rounded to single precision: 0 to 1.0 inclusive.
    float Uniform();

private:
    int32_t inext = 0;
    int32_t inextp = 31;
    std::unique_ptr<int32_t[]> table;   // entries 1 to 55; 0 is unused
    int32_t lastSeed = 0;
};
