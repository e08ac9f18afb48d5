#pragma once

#include <QtGlobal>

namespace vt {

class Random {
public:
    virtual ~Random() = default;
    virtual void seed(quint32 value) = 0;
    // A uniform integer from 0 to range - 1.
    virtual int next(int range) = 0;
};

// A linear congruential generator: the same seed gives the same sequence.
class LinearRandom : public Random {
public:
    void seed(quint32 value) override { state = value; }
    int next(int range) override {
        state = state * 0x08088405u + 1u;
        return int((quint64(state) * quint64(range)) >> 32);
    }

private:
    quint32 state = 0;
};

} // namespace vt
