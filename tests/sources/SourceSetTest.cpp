// The source set and its start-ups against the scriptable DirectSound.
#include <gtest/gtest.h>
#include <cstdio>
#include "fakes/FakeDirectSound.h"
#include "sources/SourceSet.h"
#include "support/TestSupport.h"

namespace {

std::vector<DWORD> g_waits;
void WINAPI RecordWait(DWORD ms) {
    g_waits.push_back(ms);
}

class SourceSetTest : public ::testing::Test {
protected:
    void SetUp() override {
        fakeds::Reset();
        g_waits.clear();
        m_savedFactory = g_pfnCreateSoundDevice;
        m_savedBox = g_pfnAudioMessageBox;
        m_savedWait = g_pfnSourceWait;
        g_pfnCreateSoundDevice = fakeds::CreateDevice;
        g_pfnAudioMessageBox = fakeds::RecordMessageBox;
        g_pfnSourceWait = RecordWait;
        m_hWnd = ::CreateWindowA("STATIC", "owner", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        ResetBufferCounters();
        ResetBufferPeaks();
    }
    void TearDown() override {
        if (m_set != nullptr) {
            m_set->Shutdown();
            delete m_set;
        }
        EXPECT_EQ(0, fakeds::LiveObjects()) << "objects left alive after Shutdown:\n" << fakeds::Dump();
        ::DestroyWindow(m_hWnd);
        g_pfnCreateSoundDevice = m_savedFactory;
        g_pfnAudioMessageBox = m_savedBox;
        g_pfnSourceWait = m_savedWait;
    }
    // An opened set on the scriptable device; the runtime present unless the script says otherwise.
    CSourceSet& Open(bool runtime = true) {
        if (runtime)
            fakeds::script().createRuntime = S_OK;
        m_set = new CSourceSet;
        int tazro = 0;
        EXPECT_EQ(0, m_set->InitRenderer(m_hWnd, nullptr, 0, &tazro));
        EXPECT_EQ(runtime ? 1 : 0, tazro);
        m_mark = fakeds::Calls().size();
        return *m_set;
    }
    // Calls since Open (or the last Mark).
    std::vector<std::string> Since() const {
        const auto& all = fakeds::Calls();
        return std::vector<std::string>(all.begin() + long(m_mark), all.end());
    }
    void Mark() { m_mark = fakeds::Calls().size(); }
    // True when the calls since the mark contain these in order.
    ::testing::AssertionResult InOrder(const std::vector<std::string>& expected) const {
        std::vector<std::string> calls = Since();
        size_t pos = 0;
        for (const std::string& e : expected) {
            while (pos < calls.size() && calls[pos].find(e) != 0)
                ++pos;
            if (pos == calls.size()) {
                std::string dump;
                for (const std::string& c : calls)
                    dump += "  " + c + "\n";
                return ::testing::AssertionFailure() << "missing " << e << " in:\n" << dump;
            }
            ++pos;
        }
        return ::testing::AssertionSuccess();
    }
    size_t CountSince(const std::string& prefix) const {
        size_t n = 0;
        for (const std::string& c : Since())
            n += c.find(prefix) == 0 ? 1 : 0;
        return n;
    }
    static std::string CreateCall(DWORD flags) {
        char text[64];
        std::snprintf(text, sizeof(text), "DS.CreateSoundBuffer(%u,0x%lX,", unsigned(sizeof(DSBUFFERDESC1)), flags);
        return text;
    }

    CSourceSet* m_set = nullptr;
    HWND m_hWnd = nullptr;
    size_t m_mark = 0;

private:
    SoundDeviceFactory m_savedFactory = nullptr;
    AudioMessageBoxFn m_savedBox = nullptr;
    SourceWaitFn m_savedWait = nullptr;
};

void ExpectMotion(const SourceMotion& m,
                  float progress,
                  float end,
                  float step,
                  float extent,
                  int path,
                  BOOL place,
                  const char* name) {
    EXPECT_FLOAT_EQ(progress, m.fProgress) << name;
    EXPECT_FLOAT_EQ(end, m.fEnd) << name;
    EXPECT_FLOAT_EQ(step, m.fStep) << name;
    EXPECT_FLOAT_EQ(extent, m.fExtent) << name;
    EXPECT_EQ(path, m.nPath) << name;
    EXPECT_EQ(place, m.bPlace) << name;
    EXPECT_EQ(1, m.bFirstTick) << name;
    EXPECT_EQ(1, m.bActive) << name;
}

TEST_F(SourceSetTest, InitRendererOpensThroughTheRuntimeAndShutdownReleasesAll) {
    CSourceSet& set = Open();
    EXPECT_EQ(m_hWnd, set.m_hWndOwner);
    EXPECT_EQ(1, set.m_pDevice->m_nMode);
    EXPECT_TRUE(
        fakeds::HasInOrder({"Create(Tazro)", "DS.Initialize(null)", "DS.SetCooperativeLevel(2)",
                            "DS.QueryInterface(Ext)", "Ext.SetRenderMode(0)", "Primary.QueryInterface(Listener)"}))
        << fakeds::Dump();
    EXPECT_NE(nullptr, set.m_pRuntimeExt);
    for (int i = 0; i < kSourceCount; ++i)
        ASSERT_NE(nullptr, set.m_apSources[i]) << i;
    // A later call reuses the extension taken on first use.
    EXPECT_EQ(0, set.SetRuntimeMode(0));
    EXPECT_EQ(1u, fakeds::CountCalls("DS.QueryInterface(Ext)"));
    set.StartMixingSource(4, 1);
    set.StartDopplerRun(11, 1.0f, 10.0f, 2, 0);
    EXPECT_EQ(0, set.Shutdown());
    EXPECT_EQ(nullptr, set.m_pDevice);
    EXPECT_EQ(nullptr, set.m_pListener);
    EXPECT_EQ(nullptr, set.m_pRuntimeExt);
    EXPECT_EQ(nullptr, set.m_apSources[0]);
    EXPECT_EQ(0, fakeds::LiveObjects()) << fakeds::Dump();
    EXPECT_TRUE(fakeds::Boxes().empty());
}

TEST_F(SourceSetTest, InitRendererWithoutRuntimeIgnoresTheExtension) {
    CSourceSet& set = Open(false);
    EXPECT_EQ(0, set.m_pDevice->m_nMode == 1 ? 0 : 1);
    EXPECT_EQ(nullptr, set.m_pRuntimeExt);
    EXPECT_EQ(0u, fakeds::CountCalls("Ext.SetRenderMode(0)"));
    EXPECT_TRUE(fakeds::Boxes().empty());
}

TEST_F(SourceSetTest, InitRendererFailures) {
    CSourceSet set;
    EXPECT_EQ(-1, set.InitRenderer(nullptr, nullptr, 0, nullptr)) << "no owner";
    EXPECT_EQ(nullptr, set.m_pDevice);
    fakeds::script().createRuntime = REGDB_E_CLASSNOTREG;
    fakeds::script().createDirectSound = REGDB_E_CLASSNOTREG;
    g_nSW2DBuffers = 5;
    g_nPeak2DBuffers = 9;
    EXPECT_EQ(REGDB_E_CLASSNOTREG, set.InitRenderer(m_hWnd, nullptr, 0, nullptr));
    EXPECT_EQ(0u, g_nSW2DBuffers) << "current counts cleared";
    EXPECT_EQ(9u, g_nPeak2DBuffers) << "peaks kept";
    ASSERT_EQ(2u, fakeds::Boxes().size());
    EXPECT_EQ("Tazro Error in Initialize---> UNKNOWN ERROR CODE.\n", fakeds::Boxes()[0].text);
    EXPECT_EQ("Tazro Error in InitRenderer---> UNKNOWN ERROR CODE.\n", fakeds::Boxes()[1].text);
    set.Shutdown();

    fakeds::Reset();
    fakeds::script().createPrimary = DSERR_OUTOFMEMORY;
    CSourceSet second;
    EXPECT_EQ(DSERR_OUTOFMEMORY, second.InitRenderer(m_hWnd, nullptr, 0, nullptr));
    ASSERT_EQ(2u, fakeds::Boxes().size());
    EXPECT_EQ("Tazro Error in CreatePrimaryBuffer---> DSERR_OUTOFMEMORY\n", fakeds::Boxes()[0].text);
    EXPECT_EQ("Tazro Error in InitListener---> DSERR_OUTOFMEMORY\n", fakeds::Boxes()[1].text);
    second.Shutdown();
}

TEST(DescribeFormatTest, Texts) {
    const struct {
        int index;
        const char* text;
    } cases[] = {
        {0, " 11K 8-bit  Mono   "},  {2, " 11K 16-bit Mono   "},  {4, " 11K 8-bit  Stereo "},
        {7, " 11K 16-bit Stereo "},  {11, " 22K 16-bit Mono   "}, {13, " 22K 8-bit  Stereo "},
        {16, " 44K 8-bit  Mono   "}, {19, " 44K 16-bit Mono   "}, {23, " 44K 16-bit Stereo "},
        {24, "8-bit  Mono   "},      {-1, "8-bit  Mono   "},      {255, "8-bit  Mono   "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.text, CSourceSet::DescribeFormat(c.index)) << c.index;
}

TEST_F(SourceSetTest, SetPrimaryFormatReadsSmallRatesAsKilohertz) {
    CSourceSet& set = Open();
    const struct {
        DWORD rate;
        WORD bits, channels;
        const char* call;
    } cases[] = {
        {22, 8, 2, "Primary.SetFormat(22050,8,2,2,44100)"},    {12, 16, 1, "Primary.SetFormat(22050,16,1,2,44100)"},
        {11, 8, 1, "Primary.SetFormat(11025,8,1,1,11025)"},    {0, 8, 1, "Primary.SetFormat(11025,8,1,1,11025)"},
        {23, 16, 2, "Primary.SetFormat(44100,16,2,4,176400)"}, {99, 8, 2, "Primary.SetFormat(44100,8,2,2,88200)"},
        {8000, 8, 1, "Primary.SetFormat(8000,8,1,1,8000)"},    {100, 8, 1, "Primary.SetFormat(100,8,1,1,100)"},
    };
    for (const auto& c : cases) {
        Mark();
        EXPECT_EQ(0, set.SetPrimaryFormat(c.rate, c.bits, c.channels)) << c.rate;
        EXPECT_TRUE(InOrder({c.call})) << c.rate;
    }
    fakeds::script().refusedFormats.push_back({44100, 16, 2});
    EXPECT_EQ(DSERR_BADFORMAT, set.SetPrimaryFormat(44, 16, 2));
}

TEST_F(SourceSetTest, SetOutputModeAndItsFallback) {
    CSourceSet& set = Open();
    const struct {
        int mode;
        std::vector<DWORD> refused;
        std::vector<std::string> calls;
        HRESULT result;
    } cases[] = {
        {1, {}, {"DS.SetSpeakerConfig(0x00000001)"}, 0},
        {2, {}, {"DS.SetSpeakerConfig(0x000A0004)"}, 0},
        {3, {}, {"DS.SetSpeakerConfig(0x00140004)"}, 0},
        {4, {}, {"DS.SetSpeakerConfig(0x00000003)"}, 0},
        {0, {}, {"DS.SetSpeakerConfig(0x00000004)"}, 0},
        {3, {0x00140004}, {"DS.SetSpeakerConfig(0x00140004)", "DS.SetSpeakerConfig(0x00000004)"}, 0},
        {2, {0x000A0004}, {"DS.SetSpeakerConfig(0x000A0004)", "DS.SetSpeakerConfig(0x00000004)"}, 0},
        {4, {3, 4}, {"DS.SetSpeakerConfig(0x00000003)", "DS.SetSpeakerConfig(0x00000004)"}, DSERR_INVALIDPARAM},
        {1, {1}, {"DS.SetSpeakerConfig(0x00000001)"}, DSERR_INVALIDPARAM},
    };
    for (const auto& c : cases) {
        fakeds::script().refusedSpeakerConfigs = c.refused;
        Mark();
        EXPECT_EQ(c.result, set.SetOutputMode(c.mode)) << c.mode;
        EXPECT_EQ(c.calls, Since()) << c.mode;
    }
    CSourceSet closed;
    EXPECT_EQ(-1, closed.SetOutputMode(3));
}

TEST_F(SourceSetTest, GetOutputModeMapping) {
    CSourceSet& set = Open();
    const struct {
        DWORD config;
        HRESULT read;
        int mode;
    } cases[] = {
        {DSSPEAKER_HEADPHONE, S_OK, 1},  {0x000A0004, S_OK, 2},          {0x00130004, S_OK, 2},
        {0x00140004, S_OK, 3},           {0x00B40004, S_OK, 3},          {DSSPEAKER_QUAD, S_OK, 4},
        {DSSPEAKER_MONO, S_OK, -1},      {DSSPEAKER_SURROUND, S_OK, -1}, {DSSPEAKER_5POINT1, S_OK, -1},
        {0x00140004, DSERR_GENERIC, -1},
    };
    for (const auto& c : cases) {
        fakeds::script().speakerConfig = c.config;
        fakeds::script().getSpeakerConfig = c.read;
        int mode = 99;
        EXPECT_EQ(c.read, set.GetOutputMode(&mode)) << std::hex << c.config;
        EXPECT_EQ(c.mode, mode) << std::hex << c.config;
    }
    CSourceSet closed;
    int mode = 99;
    EXPECT_EQ(-1, closed.GetOutputMode(&mode));
    EXPECT_EQ(-1, mode);
}

TEST_F(SourceSetTest, MaxOutHardwareCountsTheVoices) {
    const struct {
        const char* name;
        int hw2D, hw3D, kind;
        int expected;
    } cases[] = {
        {"no hardware", 0, 0, kKind2D, 0},           {"31 2D voices", 31, 0, kKind2D, 31},
        {"16 3D voices", 0, 16, kKind3D, 16},        {"one voice", 1, 1, kKind3D, 1},
        {"more than asked", 5000, 0, kKind2D, 1025},
    };
    CSourceSet& set = Open();
    for (const auto& c : cases) {
        fakeds::script().hw2DVoices = c.hw2D;
        fakeds::script().hw3DVoices = c.hw3D;
        fakeds::script().hardwareRefused = DSERR_UNSUPPORTED;
        const int live = fakeds::LiveObjects();
        g_waits.clear();
        EXPECT_EQ(c.expected, set.MaxOutHardware(9, c.kind)) << c.name;
        EXPECT_EQ(live, fakeds::LiveObjects()) << c.name << ": duplicates kept";
        EXPECT_EQ(0, fakeds::UsedHardware2D() + fakeds::UsedHardware3D()) << c.name;
        EXPECT_EQ(c.expected == 0 ? std::vector<DWORD>{} : std::vector<DWORD>{200}, g_waits) << c.name;
        EXPECT_EQ(0u, g_nHW2DBuffers + g_nHW3DBuffers + g_nSW2DBuffers + g_nSW3DBuffers) << c.name;
    }
    // A card that refuses further duplicates outright ends the count the same way.
    fakeds::script().hw2DVoices = 8;
    fakeds::script().softwareDuplicateBeyondPool = false;
    EXPECT_EQ(8, set.MaxOutHardware(9, kKind2D));
    EXPECT_EQ(-1, set.MaxOutHardware(256, kKind2D));
    EXPECT_EQ(0, set.MaxOutHardware(30, kKind2D)) << "index without a recording";
}

TEST_F(SourceSetTest, MaxOutHardwareWithoutObjectWaits) {
    CSourceSet set;
    EXPECT_EQ(0, set.MaxOutHardware(3, kKind2D));
    EXPECT_EQ(std::vector<DWORD>{200}, g_waits);
}

TEST(BufferCountersTest, HardwareThreeDTakesBackAHardwareTwoD) {
    ResetBufferCounters();
    ResetBufferPeaks();
    UpdateBufferCounters(4, 1, 1, 0);  // hardware 3D opened
    EXPECT_EQ(1u, g_nHW3DBuffers);
    UpdateBufferCounters(4, 0, 1, 0);  // hardware 2D opened: +1 then -1
    EXPECT_EQ(0u, g_nHW2DBuffers);
    EXPECT_EQ(1u, g_nPeak3DBuffers);
    UpdateBufferCounters(0, 0, 1, 0);
    UpdateBufferCounters(0, 0, 1, 0);
    UpdateBufferCounters(4, 0, 1, 1);  // forced software counts as software
    EXPECT_EQ(3u, g_nSW2DBuffers);
    EXPECT_EQ(3u, g_nPeak2DBuffers);
    UpdateBufferCounters(0, 0, 0, 0);
    UpdateBufferCounters(0, 1, 0, 0);  // closing an empty class stays at 0
    EXPECT_EQ(2u, g_nSW2DBuffers);
    EXPECT_EQ(0u, g_nSW3DBuffers);
    EXPECT_EQ(3u, g_nPeak2DBuffers) << "peaks never fall";
    UpdateBufferCounters(4, 1, 0, 0);
    EXPECT_EQ(0u, g_nHW3DBuffers);
    EXPECT_EQ(1u, g_nPeak3DBuffers);
    ResetBufferCounters();
    EXPECT_EQ(0u, g_nSW2DBuffers);
    EXPECT_EQ(3u, g_nPeak2DBuffers);
}

TEST_F(SourceSetTest, PerSourceOperationsOnMissingObjects) {
    CSourceSet set;
    EXPECT_EQ(-1, set.PlaySource(3));
    EXPECT_EQ(-1, set.StopSource(3));
    EXPECT_EQ(0, set.GetSourceState(3));
    EXPECT_EQ(0, set.ReleaseSource(3));
    EXPECT_EQ(0, set.MoveSource(3, 1, 2, 3));
    EXPECT_EQ(-1, set.MoveSource(256, 1, 2, 3));
    EXPECT_EQ(-1, set.MoveSource(-1, 1, 2, 3));
    EXPECT_EQ(0, set.StartMixingSource(3, 1));
    EXPECT_EQ(-1, set.StartDistanceRun(3, 1, 35, 0.5f, 1, 4));
    EXPECT_EQ(0, set.StartDopplerRun(3, 1, 10, 1, 0));
    EXPECT_EQ(-1, set.StartMultiplePositioning(300, 1, 2, 3));
    EXPECT_EQ(0, set.m_nMoving);
}

TEST_F(SourceSetTest, MixingSource) {
    CSourceSet& set = Open();
    set.ClearMovingList();
    EXPECT_EQ(0, set.StartMixingSource(12, 3));
    EXPECT_TRUE(InOrder({CreateCall(0x100E2), "Buf1.SetVolume(-1000)", "Buf1.GetCaps", "Buf1.Play(0,0,1)"}));
    ExpectMotion(set.m_aMotion[12], 0, -1, 1, 100, kPathTimer, 0, "mixing");
    EXPECT_EQ(1, set.m_nMoving);
    EXPECT_EQ(12, set.m_anMoving[3]);
    EXPECT_EQ(1u, g_nSW2DBuffers);
    EXPECT_EQ(2, set.GetSourceState(12));
    // Already playing: nothing happens.
    Mark();
    EXPECT_EQ(0, set.StartMixingSource(12, 4));
    EXPECT_EQ(0u, CountSince("DS.CreateSoundBuffer"));
    EXPECT_EQ(1, set.m_nMoving);
    EXPECT_EQ(-1, set.m_anMoving[4]);
}

TEST_F(SourceSetTest, RateSweepWaitsThreeSeconds) {
    CSourceSet& set = Open();
    set.ClearMovingList();
    EXPECT_EQ(0, set.StartRateSweep(0, 1));
    EXPECT_EQ((std::vector<DWORD>{2000, 1000}), g_waits);
    ExpectMotion(set.m_aMotion[0], 0.3f, 0.2f, 0.025f, 7.0f, kPathTimer, 0, "rate sweep");
    EXPECT_EQ(1, set.m_nMoving);
    EXPECT_EQ(0, set.m_anMoving[1]);
}

TEST_F(SourceSetTest, DistanceRun) {
    CSourceSet& set = Open();
    set.ClearMovingList();
    EXPECT_EQ(0, set.StartDistanceRun(11, 1.0f, 35.0f, 0.5f, 2, kPathRadial));
    EXPECT_TRUE(InOrder({CreateCall(0x100B2), "Buf1.QueryInterface(3D)", "Listener.SetRolloffFactor(0.25,1)",
                         "3D1.SetMaxDistance(35,0)", "3D1.SetMinDistance(1,0)", "3D1.SetPosition(0,0,0,0)",
                         "Buf1.Play(0,0,1)"}));
    EXPECT_EQ(0u, CountSince("Listener.CommitDeferredSettings"));
    ExpectMotion(set.m_aMotion[11], 0, -1, 0.5f, 40.0f, kPathRadial, 1, "distance");
    EXPECT_EQ(11, set.m_anMoving[2]);
    EXPECT_EQ(1, set.m_nMoving);

    // Negative distances: no upper limit and the default minimum.
    Mark();
    EXPECT_EQ(0, set.StartDistanceRun(13, -2.0f, -35.0f, 0.5f, 3, kPathRadial));
    EXPECT_TRUE(InOrder({"3D2.SetMaxDistance(1e+09,0)", "3D2.SetMinDistance(1,0)"}));
    EXPECT_FLOAT_EQ(40.0f, set.m_aMotion[13].fExtent);

    // Playing already: the buffer is kept, counted again and its record reset.
    set.m_aMotion[11].fProgress = 17;
    const unsigned int before = g_nSW3DBuffers;
    Mark();
    EXPECT_EQ(0, set.StartDistanceRun(11, 1.0f, 35.0f, 0.5f, 2, kPathRadial));
    EXPECT_EQ(0u, CountSince("DS.CreateSoundBuffer"));
    EXPECT_EQ(0u, CountSince("Buf1.Play"));
    EXPECT_EQ(before + 1, g_nSW3DBuffers);
    EXPECT_FLOAT_EQ(0.0f, set.m_aMotion[11].fProgress);
    EXPECT_EQ(3, set.m_nMoving);
}

TEST_F(SourceSetTest, DopplerRun) {
    CSourceSet& set = Open();
    set.ClearMovingList();
    EXPECT_EQ(0, set.StartDopplerRun(11, 2.0f, 10.0f, 1, kPathPassBy));
    EXPECT_TRUE(InOrder({CreateCall(0x100B2), "3D1.SetPosition(-10,0,12,0)", "Listener.SetDopplerFactor(2,0)",
                         "Listener.SetRolloffFactor(0.5,0)", "Listener.CommitDeferredSettings()", "Buf1.Play(0,0,1)"}));
    ExpectMotion(set.m_aMotion[11], 0, -1, 0.27f, 80.0f, kPathPassBy, 1, "doppler");
    EXPECT_EQ(1, set.m_nMoving);
    EXPECT_EQ(11, set.m_anMoving[1]);
    // A failing commit returns its code before the source is entered.
    fakeds::script().commit = DSERR_GENERIC;
    EXPECT_EQ(DSERR_GENERIC, set.StartDopplerRun(12, 2.0f, 10.0f, 2, kPathPassBy));
    EXPECT_EQ(-1, set.m_anMoving[2]);
    EXPECT_EQ(1, set.m_nMoving);
}

TEST_F(SourceSetTest, LatencyRunWithItsCompanion) {
    CSourceSet& set = Open();
    set.ClearMovingList();
    std::string file = testsupport::ReadFileBytes("./WAV_Files/16B11KM1.wav");
    EXPECT_EQ(0, set.StartLatencyRun(2, 1));
    // The source first (one-shot, not started), then its companion with the same recording.
    EXPECT_TRUE(InOrder({CreateCall(0x100B2), "Buf1.QueryInterface(3D)", CreateCall(0x100B2), "Buf2.SetVolume(-10000)",
                         "Buf2.QueryInterface(3D)", "Buf2.Play(0,0,1)", "3D1.SetPosition(0,0,1,0)",
                         "Listener.SetDopplerFactor(0,0)", "Listener.SetRolloffFactor(0.25,0)",
                         "Listener.CommitDeferredSettings()"}));
    EXPECT_EQ(0u, CountSince("Buf1.Play"));
    EXPECT_EQ(file.size() - 44, fakeds::BufferBytes(2)) << "companion loaded from the source's file";
    EXPECT_EQ(2, set.m_nMoving);
    EXPECT_EQ(2, set.m_anMoving[1]);
    EXPECT_EQ(-1, set.m_anMoving[2]);
    ExpectMotion(set.m_aMotion[2], 0, -1, 0.5f, 240.0f, kPathBounce, 1, "latency");
    EXPECT_FLOAT_EQ(0.0f, set.m_aMotion[2].fDeltaX);
    EXPECT_FLOAT_EQ(0.5f, set.m_aMotion[2].fDeltaZ);
    EXPECT_EQ(1, set.m_aMotion[3].bActive);
    EXPECT_EQ(1u, g_nSW3DBuffers) << "the companion is not counted";
}

TEST_F(SourceSetTest, PositioningPaths) {
    const struct {
        int path;
        const char* position;
        float step, extent;
    } cases[] = {
        {kPathOrbit, "3D1.SetPosition(0,12,2,0)", 1.5f, 720.0f},
        {kPathRise, "3D2.SetPosition(-1.8,-6,1.3,0)", 0.05f, 12.0f},
        {kPathFall, "3D3.SetPosition(1.8,6,-1.3,0)", 0.05f, 12.0f},
    };
    CSourceSet& set = Open();
    set.ClearMovingList();
    int slot = 1;
    for (const auto& c : cases) {
        Mark();
        EXPECT_EQ(0, set.StartPositioningPath(10 + slot, slot, c.path)) << c.path;
        EXPECT_TRUE(InOrder({c.position, "Listener.SetDopplerFactor(0,0)", "Listener.SetRolloffFactor(0.5,0)",
                             "Listener.CommitDeferredSettings()", "Buf" + std::to_string(slot) + ".Play(0,0,1)"}))
            << c.path;
        ExpectMotion(set.m_aMotion[10 + slot], 0, -1, c.step, c.extent, c.path, 1, "path");
        EXPECT_EQ(10 + slot, set.m_anMoving[slot]);
        ++slot;
    }
    EXPECT_EQ(3, set.m_nMoving);
}

TEST_F(SourceSetTest, RadiationRun) {
    CSourceSet& set = Open();
    set.ClearMovingList();
    EXPECT_EQ(0, set.StartRadiationRun(11, 90, 270, 0.0f, 0.0f, 2.0f, 1));
    EXPECT_TRUE(InOrder({CreateCall(0x100B2), "3D1.SetPosition(0,0,2,0)", "3D1.SetConeAngles(90,270,1)",
                         "3D1.SetConeOutsideVolume(-600,1)", "3D1.SetConeOrientation(0,0,2,1)",
                         "Listener.SetRolloffFactor(0.2,1)", "Listener.CommitDeferredSettings()", "Buf1.Play(0,0,1)"}));
    ExpectMotion(set.m_aMotion[11], 0, -1, 2.0f, 720.0f, kPathConeSweep, 1, "radiation");
    EXPECT_EQ(1, set.m_nMoving);
    Mark();
    EXPECT_EQ(0, set.StartRadiationRun(11, 90, 270, 0.0f, 0.0f, 3.0f, 2)) << "playing";
    EXPECT_TRUE(Since().empty() || CountSince("3D1.Set") == 0);
    EXPECT_EQ(1, set.m_nMoving);
}

TEST_F(SourceSetTest, MultiplePositioningEndsWithTheLastDopplerSettings) {
    CSourceSet& set = Open();
    set.ClearMovingList();
    EXPECT_EQ(0, set.StartMultiplePositioning(3, 11, 13, 19));
    EXPECT_TRUE(InOrder({"3D1.SetPosition(0,0,1,0)", "Listener.SetRolloffFactor(0.5,1)",
                         "Listener.CommitDeferredSettings()", "Buf1.Play(0,0,1)", "3D2.SetMaxDistance(35,0)",
                         "3D3.SetPosition(-11,0,13,0)", "3D4.SetPosition(-7,0,9,0)"}));
    EXPECT_EQ(4, set.m_nMoving);
    const int expected[] = {3, 11, 13, 19};
    for (int pos = 1; pos <= 4; ++pos)
        EXPECT_EQ(expected[pos - 1], set.m_anMoving[pos]) << pos;
    ExpectMotion(set.m_aMotion[3], 0, -1, 0.5f, 240.0f, kPathBounce, 1, "bounce");
    D3DVALUE doppler = 0, rolloff = 0;
    set.m_pListener->m_pListener->GetDopplerFactor(&doppler);
    set.m_pListener->m_pListener->GetRolloffFactor(&rolloff);
    EXPECT_FLOAT_EQ(1.0f, doppler);
    EXPECT_FLOAT_EQ(0.5f, rolloff);
    // With the first source playing the play result counts as -1.
    EXPECT_EQ(-1, set.StartMultiplePositioning(3, 11, 13, 19));
}

TEST_F(SourceSetTest, IndicesWithoutRecordingAreRefusedUntouched) {
    CSourceSet& set = Open();
    set.ClearMovingList();
    set.m_aMotion[30].fStep = 42;
    EXPECT_EQ(0, set.StartMixingSource(30, 1));
    EXPECT_EQ(0, set.StartRateSweep(30, 1));
    EXPECT_EQ(-1, set.StartDistanceRun(30, 1, 35, 0.5f, 1, kPathRadial));
    EXPECT_EQ(0, set.StartDopplerRun(30, 1, 10, 1, kPathPassBy));
    EXPECT_EQ(0, set.StartLatencyRun(30, 1));
    EXPECT_EQ(0, set.StartPositioningPath(30, 1, kPathOrbit));
    EXPECT_EQ(0, set.StartRadiationRun(30, 90, 270, 0, 0, 2, 1));
    EXPECT_EQ(-1, set.StartMultiplePositioning(30, 1, 2, 3));
    EXPECT_TRUE(Since().empty());
    EXPECT_EQ(0, set.m_nMoving);
    EXPECT_FLOAT_EQ(42.0f, set.m_aMotion[30].fStep);
    EXPECT_TRUE(g_waits.empty());
}

TEST_F(SourceSetTest, ReloadingAStoppedSourceGivesBackItsVoice) {
    fakeds::script().hw3DVoices = 2;
    CSourceSet& set = Open();
    for (int step = 0; step < 5; ++step) {
        ASSERT_EQ(0, set.StartDopplerRun(11, 1.0f, 10.0f, 1, kPathPassBy)) << step;
        set.StopSource(11);
        EXPECT_EQ(1, fakeds::UsedHardware3D()) << step;
    }
    EXPECT_EQ(4, set.m_apSources[11]->IsHardware());
}

TEST_F(SourceSetTest, ForceSoftwarePlacesEveryBufferInSoftware) {
    fakeds::script().hw2DVoices = 4;
    CSourceSet& set = Open();
    set.m_bForceSoftware = 1;
    EXPECT_EQ(0, set.StartMixingSource(4, 1));
    EXPECT_TRUE(InOrder({CreateCall(0x100EA)}));
    EXPECT_EQ(0, set.m_apSources[4]->IsHardware());
}

}  // namespace
