// music.cpp: the three pieces of music, each a seamless loop.
//
//   Adagio.ogg       menu theme: D minor, 72 beats a minute, 16 bars (53 s); a slow pad, a
//                    celesta arpeggio with echoes, a soft bass and a flute melody.
//   Tutorial.ogg     tutorial theme: C major, 105 beats a minute, 16 bars (37 s); marimba,
//                    plucked bass, shaker and claps, and a whistled tune.
//   SubTrain_v1.ogg  level theme: E minor, 126 beats a minute, 24 bars (46 s); four-on-the-
//                    floor drums, a chugging train-rhythm bass, a sixteenth-note arpeggio
//                    and a saw lead, building over three eight-bar passes.
//
// Beat lengths are whole numbers of samples at 44.1 kHz, so bars line up exactly with the
// loop, and everything that rings past the end of the last bar carries on at the start.
#include <cmath>
#include <vector>

#include "tools/assetgen/audio.h"
#include "tools/assetgen/instruments.h"

namespace
{
struct Chord
{
    int root;               // bass note
    std::vector<int> tones; // the voicing for pads and arpeggios
};

struct Note
{
    float beat;  // from the start of the piece
    int pitch;   // MIDI
    float beats; // length
};

// Writes a melody given bar by bar in eighth notes: {bar (from 0), eighth, pitch, eighths}.
std::vector<Note> InEighths(const std::vector<std::vector<float>>& rows, int beatsPerBar)
{
    std::vector<Note> notes;
    for (const auto& r : rows)
        notes.push_back({r[0] * beatsPerBar + r[1] * 0.5f, int(r[2]), r[3] * 0.5f});
    return notes;
}

std::vector<float> Master(Mix& mix, float drive)
{
    std::vector<float> out = mix.Samples();
    SoftClip(out, drive);
    NormaliseRms(out, MusicRmsDb, PeakDb);
    return out;
}
} // namespace

std::vector<float> MenuTheme()
{
    const float bpm = 72;
    const double beat = 60.0 / bpm;
    const int bars = 16;
    Mix dry(bars * 4 * beat), reverb(bars * 4 * beat), echo(bars * 4 * beat);

    const Chord Dm{38, {57, 62, 65, 69}}, Bb{34, {58, 62, 65, 70}}, F{41, {57, 60, 65, 69}},
        C{36, {55, 60, 64, 67}}, Gm{43, {58, 62, 67, 70}}, A{45, {57, 61, 64, 69}},
        Asus{45, {57, 62, 64, 69}};
    const Chord progression[bars] = {Dm, Bb, F, C, Dm, Gm, Bb, A, Dm, Bb, F, C, Gm, Bb, Asus, A};

    Bus pad{&dry, 0.55f, &reverb, 0.35f};
    Bus bass{&dry, 0.35f, &reverb, 0.08f};
    Bus bell{&dry, 0.35f, &echo, 0.5f};
    Bus flute{&dry, 0.62f, &reverb, 0.45f};
    for (int bar = 0; bar < bars; bar++)
    {
        const Chord& chord = progression[bar];
        double start = bar * 4 * beat;
        for (int tone : chord.tones) Pad(pad, start, float(4 * beat), float(tone), 0.5f, 0.35f);
        SoftBass(bass, start, float(3.6 * beat), float(chord.root), 0.9f);
        // The celesta walks the chord: quarters in the opening bars, eighths from bar 5.
        const int order[8] = {0, 1, 2, 3, 2, 1, 3, 2};
        bool eighths = bar >= 4;
        int steps = eighths ? 8 : 4;
        for (int s = 0; s < steps; s++)
        {
            float velocity = (s % 2 == 0 ? 0.75f : 0.55f) * (eighths ? 0.8f : 1.0f);
            int tone = chord.tones[size_t(order[eighths ? s : s * 2])] + 12;
            Bell(bell, start + s * beat * (eighths ? 0.5 : 1.0), float(tone), velocity);
        }
    }
    // The flute's song over bars 5 to 16, resolving into the loop's first chord.
    const std::vector<Note> melody = {
        {16, 69, 2},    {18, 74, 1}, {19, 76, 1}, {20, 77, 3}, {23, 76, 0.5f}, {23.5f, 74, 0.5f},
        {24, 74, 2},    {26, 72, 1}, {27, 70, 1}, {28, 69, 2}, {30, 73, 1},    {31, 76, 1},
        {32, 77, 2},    {34, 76, 1}, {35, 74, 1}, {36, 74, 2}, {38, 77, 1},    {39, 74, 1},
        {40, 72, 3},    {43, 69, 1}, {44, 67, 2}, {46, 69, 1}, {47, 72, 1},    {48, 74, 2},
        {50, 70, 1},    {51, 67, 1}, {52, 65, 1}, {53, 67, 1}, {54, 69, 1},    {55, 70, 1},
        {56, 74, 3.5f}, {60, 73, 2}, {62, 69, 2},
    };
    for (const Note& n : melody)
        Flute(flute, n.beat * beat, float(n.beats * beat * 0.95), float(n.pitch), 0.8f);

    dry.AddMix(ReverbOf(reverb, 0.88f, 0.45f), 1.0f);
    Mix echoes = EchoOf(echo, float(0.75 * beat), 0.45f);
    dry.AddMix(echoes, 0.5f);
    dry.AddMix(ReverbOf(echoes, 0.8f, 0.5f), 0.3f);
    return Master(dry, 1.1f);
}

std::vector<float> TutorialTheme()
{
    const float bpm = 105;
    const double beat = 60.0 / bpm;
    const int bars = 16;
    Mix dry(bars * 4 * beat), reverb(bars * 4 * beat);

    const Chord C{48, {60, 64, 67}}, G{43, {59, 62, 67}}, Am{45, {57, 60, 64}}, F{41, {57, 60, 65}};
    const Chord progression[bars] = {C, G, Am, F, C, G, F, G, Am, F, C, G, F, G, C, C};

    Bus pad{&dry, 0.22f, &reverb, 0.2f};
    Bus bass{&dry, 0.62f, &reverb, 0.05f};
    Bus marimba{&dry, 0.45f, &reverb, 0.25f};
    Bus drums{&dry, 0.55f, &reverb, 0.1f};
    Bus whistle{&dry, 0.7f, &reverb, 0.35f};
    for (int bar = 0; bar < bars; bar++)
    {
        const Chord& chord = progression[bar];
        double start = bar * 4 * beat;
        for (int tone : chord.tones) Pad(pad, start, float(4 * beat), float(tone), 0.45f, 0.25f);
        // Bass: root, octave and fifth in a skipping eighth-note figure.
        int root = chord.root < 45 ? chord.root + 12 : chord.root;
        const float bassSteps[4][3] = {{0, 0, 2}, {3, 12, 1}, {4, 7, 2}, {6, 0, 1}};
        for (const auto& s : bassSteps)
            PluckBass(bass, start + s[0] * 0.5 * beat, float(s[2] * 0.5 * beat),
                      float(root + int(s[1]) - 12), 0.9f);
        // Marimba: a bouncing figure over the chord.
        const int figure[8] = {0, 1, 2, 1, 3, 2, 1, 2};
        for (int s = 0; s < 8; s++)
        {
            int index = figure[s];
            int tone = index == 3 ? chord.tones[0] + 12 : chord.tones[size_t(index)];
            Marimba(marimba, start + s * 0.5 * beat, float(tone + 12), s % 2 == 0 ? 0.8f : 0.55f);
        }
        // Light drums: kick on one and three, claps on two and four, a shaker on the eighths.
        Kick(drums, start, 0.55f);
        Kick(drums, start + 2 * beat, 0.5f);
        if (bar % 4 == 3) Kick(drums, start + 3.5 * beat, 0.35f);
        Clap(drums, start + beat, 0.6f);
        Clap(drums, start + 3 * beat, 0.6f);
        for (int s = 0; s < 8; s++) Shaker(drums, start + s * 0.5 * beat, s % 2 ? 0.55f : 0.3f);
    }
    // The whistled tune over bars 5 to 16: {bar, eighth, pitch, eighths}.
    const std::vector<Note> tune =
        InEighths({{4, 0, 76, 2},  {4, 2, 79, 2},  {4, 4, 76, 1},  {4, 5, 74, 1},  {4, 6, 72, 2},
                   {5, 0, 74, 2},  {5, 2, 71, 2},  {5, 4, 67, 4},  {6, 0, 69, 2},  {6, 2, 72, 2},
                   {6, 4, 77, 2},  {6, 6, 76, 1},  {6, 7, 74, 1},  {7, 0, 74, 4},  {7, 4, 67, 1},
                   {7, 5, 69, 1},  {7, 6, 71, 1},  {7, 7, 74, 1},  {8, 0, 76, 3},  {8, 3, 72, 1},
                   {8, 4, 69, 2},  {8, 6, 72, 1},  {8, 7, 76, 1},  {9, 0, 77, 2},  {9, 2, 76, 2},
                   {9, 4, 72, 2},  {9, 6, 69, 2},  {10, 0, 67, 2}, {10, 2, 72, 2}, {10, 4, 76, 2},
                   {10, 6, 79, 2}, {11, 0, 77, 2}, {11, 2, 76, 1}, {11, 3, 74, 1}, {11, 4, 74, 4},
                   {12, 0, 81, 2}, {12, 2, 79, 2}, {12, 4, 77, 2}, {12, 6, 76, 2}, {13, 0, 74, 2},
                   {13, 2, 76, 2}, {13, 4, 77, 2}, {13, 6, 74, 2}, {14, 0, 72, 2}, {14, 2, 76, 2},
                   {14, 4, 79, 2}, {14, 6, 76, 2}, {15, 0, 72, 6}},
                  4);
    for (const Note& n : tune)
        Whistle(whistle, n.beat * beat, float(n.beats * beat * 0.9), float(n.pitch), 0.85f);

    dry.AddMix(ReverbOf(reverb, 0.7f, 0.5f), 1.0f);
    return Master(dry, 1.2f);
}

std::vector<float> LevelTheme()
{
    const float bpm = 126;
    const double beat = 60.0 / bpm;
    const int bars = 24;
    Mix dry(bars * 4 * beat), ducked(bars * 4 * beat), reverb(bars * 4 * beat),
        echo(bars * 4 * beat);

    const Chord Em{40, {64, 67, 71}}, C{36, {60, 64, 67}}, D{38, {62, 66, 69}}, B{35, {59, 63, 66}},
        G{43, {62, 67, 71}};
    const Chord phrase[8] = {Em, C, D, B, Em, C, G, D};

    Bus drums{&dry, 0.7f, &reverb, 0.06f};
    Bus bass{&ducked, 0.85f, nullptr, 0};
    Bus arp{&ducked, 0.45f, &echo, 0.4f};
    Bus pad{&ducked, 0.4f, &reverb, 0.25f};
    Bus lead{&dry, 1.0f, &reverb, 0.3f};
    for (int bar = 0; bar < bars; bar++)
    {
        const Chord& chord = phrase[bar % 8];
        int pass = bar / 8; // 0: groove, 1: the tune enters, 2: everything
        double start = bar * 4 * beat;
        bool fill = bar % 8 == 7;
        for (int b = 0; b < 4; b++) Kick(drums, start + b * beat, 1.0f);
        Clap(drums, start + beat, 0.7f);
        Snare(drums, start + 3 * beat, 0.6f);
        Clap(drums, start + 3 * beat, 0.5f);
        if (pass > 0) Snare(drums, start + beat, 0.45f);
        for (int s = 0; s < 16; s++)
        {
            if (fill && s >= 12)
            {
                Snare(drums, start + s * 0.25 * beat, 0.35f + 0.1f * (s - 12));
                continue;
            }
            bool offbeat = s % 4 == 2;
            if (offbeat && pass > 0)
                HiHat(drums, start + s * 0.25 * beat, 0.6f, true);
            else
                HiHat(drums, start + s * 0.25 * beat, s % 2 ? 0.35f : 0.6f, false);
        }
        // The train: a chugging eighth-note bass with an octave jump and a fifth.
        const float pattern[8][2] = {{0, 1.0f}, {0, 0.6f}, {12, 0.85f}, {0, 0.6f},
                                     {0, 1.0f}, {0, 0.6f}, {12, 0.85f}, {7, 0.7f}};
        for (int s = 0; s < 8; s++)
            SynthBass(bass, start + s * 0.5 * beat, float(0.42 * beat),
                      float(chord.root + int(pattern[s][0])), pattern[s][1]);
        // Sixteenth-note arpeggio up and down the chord.
        const int arpOrder[16] = {0, 1, 2, 3, 2, 1, 0, 1, 2, 3, 4, 3, 2, 1, 2, 1};
        for (int s = 0; s < 16; s++)
        {
            int k = arpOrder[s];
            int tone = chord.tones[size_t(k % 3)] + 12 * (k / 3) + 12;
            Pluck(arp, start + s * 0.25 * beat, float(0.2 * beat), float(tone),
                  s % 4 == 0 ? 0.75f : 0.5f);
        }
        if (pass > 0)
            for (int tone : chord.tones)
                Pad(pad, start, float(4 * beat), float(tone), pass == 2 ? 0.55f : 0.35f, 0.6f);
    }
    // The lead tune, bars 9 to 24: {bar within the phrase, eighth, pitch, eighths}.
    const std::vector<Note> tune = InEighths(
        {{0, 0, 71, 2}, {0, 2, 76, 2}, {0, 4, 79, 1}, {0, 5, 78, 1}, {0, 6, 76, 2}, {1, 0, 79, 3},
         {1, 3, 76, 1}, {1, 4, 72, 2}, {1, 6, 76, 2}, {2, 0, 78, 2}, {2, 2, 81, 2}, {2, 4, 78, 1},
         {2, 5, 76, 1}, {2, 6, 74, 2}, {3, 0, 75, 4}, {3, 4, 78, 2}, {3, 6, 71, 2}, {4, 0, 76, 2},
         {4, 2, 79, 1}, {4, 3, 83, 3}, {4, 6, 81, 1}, {4, 7, 79, 1}, {5, 0, 79, 2}, {5, 2, 76, 2},
         {5, 4, 72, 2}, {5, 6, 67, 2}, {6, 0, 71, 2}, {6, 2, 74, 2}, {6, 4, 79, 2}, {6, 6, 78, 2},
         {7, 0, 81, 4}, {7, 4, 78, 2}, {7, 6, 74, 2}},
        4);
    for (int pass = 1; pass < 3; pass++)
        for (const Note& n : tune)
        {
            double at = (pass * 8 * 4 + n.beat) * beat;
            SawLead(lead, at, float(n.beats * beat * 0.92), float(n.pitch), 0.8f);
            if (pass == 2)
                SawLead(lead, at, float(n.beats * beat * 0.92), float(n.pitch - 12), 0.45f);
        }

    // Duck the bass, arpeggio and pad under every kick: the groove breathes with the drums.
    for (size_t i = 0; i < ducked.Length(); i++)
    {
        double sinceBeat = std::fmod(double(i) / SampleRate, beat);
        float duck = 1.0f - 0.55f * float(std::exp(-sinceBeat / 0.09));
        ducked[i] *= duck;
    }
    dry.AddMix(ducked, 1.0f);
    Mix echoes = EchoOf(echo, float(0.75 * beat), 0.4f);
    dry.AddMix(echoes, 0.35f);
    dry.AddMix(ReverbOf(reverb, 0.6f, 0.5f), 1.0f);
    return Master(dry, 1.4f);
}
