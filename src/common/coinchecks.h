#pragma once
// A payment writes a whole purse at once and then checks the load and copies the purse to the
// other sheet itself, once. While a CoinChecksHeld lives, the coin boxes' change handling of
// both sheets stands aside, so no half-written purse is weighed, refused or copied.
class CoinChecksHeld {
public:
    CoinChecksHeld() { ++depth_; }
    ~CoinChecksHeld() { --depth_; }
    CoinChecksHeld(const CoinChecksHeld&) = delete;
    CoinChecksHeld& operator=(const CoinChecksHeld&) = delete;

    // The coin handlers return at once while this is true.
    static bool active() { return depth_ > 0; }

private:
    static inline int depth_ = 0;
};
