// Program-wide state: the sign table of lip patterns and the counters and
// flags every window shares.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace oralis {

// One frame of a sign: 27 floats kept contiguous, because the renderer reads
// nine consecutive values from the address of value 1 (upper lip) and of value
// 14 (lower lip). Values 10..12 and 23..25 are never read or written by the
// program and stay 0.
struct LipFrame {
    static constexpr int kValues = 27;
    static constexpr int kVelocityRate = 0;
    static constexpr int kUpperCurve = 1;
    static constexpr int kUpperAngle = 13;
    static constexpr int kLowerCurve = 14;
    static constexpr int kLowerAngle = 26;

    std::array<float, kValues> v{};

    float& operator[](int i) { return v[static_cast<size_t>(i)]; }
    float operator[](int i) const { return v[static_cast<size_t>(i)]; }
    const float* upperCurve() const { return &v[kUpperCurve]; }
    const float* lowerCurve() const { return &v[kLowerCurve]; }
    float upperAngle() const { return v[kUpperAngle]; }
    float lowerAngle() const { return v[kLowerAngle]; }
    float velocityRate() const { return v[kVelocityRate]; }

    // A frame as the editor creates it: velocity rate 1, everything else 0.
    static LipFrame fresh()
    {
        LipFrame f;
        f.v[kVelocityRate] = 1.0f;
        return f;
    }
};
static_assert(sizeof(LipFrame) == LipFrame::kValues * sizeof(float));

constexpr int kSignNameLength = 10;

// A name padded on the right with blanks or cut to exactly ten characters.
inline QString FixedSignName(const QString& name)
{
    return name.left(kSignNameLength).leftJustified(kSignNameLength, QLatin1Char(' '));
}

// Ten blanks, shared: a table holds 257 signs, most of them never named, and
// every load or copy of a table would otherwise allocate each one's blanks.
inline const QString& BlankSignName()
{
    static const QString blank(kSignNameLength, QLatin1Char(' '));
    return blank;
}

struct SignEntry {
    QString SignName = BlankSignName();           // always ten characters
    std::vector<LipFrame> Frames;                 // at most kMaxFrameCount; none: never filled

    // Counted from the frames themselves, so the two can never disagree.
    int16_t FrameCount() const { return static_cast<int16_t>(Frames.size()); }
};

constexpr int kSignSlots = 257;     // sign numbers 0..256
constexpr int kMaxFrameCount = 32767;

// The table and its count travel together so that a load can be prepared in a
// scratch copy and committed in one assignment.
struct SignTable {
    std::array<SignEntry, kSignSlots> entries;
    int16_t SignCount = 0;
    // The editing operations have changed the table since it was last loaded
    // or saved: ending the program or opening another table would lose that.
    bool UnsavedChanges = false;

    SignEntry& operator[](int s) { return entries[static_cast<size_t>(s)]; }
    const SignEntry& operator[](int s) const { return entries[static_cast<size_t>(s)]; }

    // Frame `frame` of sign `sign`, or null when the pair names none: every
    // reader asks here, so a count and the frames held can never be read apart.
    const LipFrame* Frame(int sign, int frame) const
    {
        if (sign < 0 || sign >= kSignSlots || frame < 0)
            return nullptr;
        const SignEntry& e = (*this)[sign];
        if (frame >= e.FrameCount())
            return nullptr;
        return &e.Frames[static_cast<size_t>(frame)];
    }
    LipFrame* Frame(int sign, int frame)
    {
        return const_cast<LipFrame*>(static_cast<const SignTable&>(*this).Frame(sign, frame));
    }
};

// The shape handed to the renderer at start-up, in LipCurve order.
constexpr std::array<float, 9> kInitialLip{0, 0, 0, 0, 2.0f, 0, 0, 3.0f, 0};

// Module-wide state of the program (one instance, user-interface thread only).
struct Module1 {
    SignTable signTable;
    int16_t PlaybackActive = 0;
    std::array<float, 9> InitialUpperLip{};
    std::array<float, 9> InitialLowerLip{};
};

Module1& Program();

// The program's own folder with exactly one trailing separator.
QString ProgramFolder();
// The separator rule on its own, for any folder text.
QString WithTrailingSeparator(const QString& folder);

}  // namespace oralis
