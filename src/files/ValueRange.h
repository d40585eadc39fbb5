#pragma once

// An inclusive range of valid values; a measured value outside it is shown
// as "--".
struct ValueRange
{
    int min;
    int max;

    constexpr bool contains(int value) const { return value >= min && value <= max; }

    static constexpr ValueRange ecgHeartRate() { return {28, 255}; }
    static constexpr ValueRange zoravHeartRate() { return {29, 254}; }
    static constexpr ValueRange pulseRate() { return {25, 250}; }
    static constexpr ValueRange spo2() { return {58, 100}; }
    static constexpr ValueRange perfusionIndex() { return {1, 200}; } // tenths of a percent
    static constexpr ValueRange qrs() { return {25, 205}; }
    static constexpr ValueRange qt() { return {181, 900}; }
    static constexpr ValueRange qtc() { return {241, 600}; }
    static constexpr ValueRange st() { return {-90, 90}; } // 0.01 mV
    static constexpr ValueRange sleepSpo2() { return {67, 100}; }
};
