// The device, listener and buffer wrappers against the scriptable DirectSound.
#include <gtest/gtest.h>
#include "support/TestSupport.h"
#include "tests/audio/FakeAudioFixture.h"

namespace {

const char kFile2D[] = "./WAV_Files/08B22KM1.wav";

struct OpenCase {
    const char* name;
    HRESULT createRuntime;
    HRESULT initializeRuntime;
    HRESULT initializeDirectSound;
    HRESULT cooperativeLevel;
    int mode;
    HRESULT expected;
    int expectedTazro;  // the flag is preset to 7 so that "left untouched" shows
    std::vector<std::string> calls;
    std::vector<std::string> boxes;
};

class OpenTest : public FakeAudioTest {};

TEST_F(OpenTest, SequenceAndFallback) {
    const OpenCase cases[] = {
        {"runtime absent",
         REGDB_E_CLASSNOTREG,
         S_OK,
         S_OK,
         S_OK,
         1,
         0,
         7,
         {"Create(Tazro)", "Create(DirectSound)", "DS.Initialize(null)", "DS.SetCooperativeLevel(2)"},
         {}},
        {"runtime present",
         S_OK,
         S_OK,
         S_OK,
         S_OK,
         1,
         0,
         1,
         {"Create(Tazro)", "DS.Initialize(null)", "DS.SetCooperativeLevel(2)"},
         {}},
        {"runtime Initialize fails",
         S_OK,
         DSERR_NODRIVER,
         S_OK,
         S_OK,
         1,
         0,
         0,
         {"Create(Tazro)", "DS.Initialize(null)", "DS.Release()", "Create(DirectSound)", "DS.Initialize(null)",
          "DS.SetCooperativeLevel(2)"},
         {}},
        {"DirectSound only",
         S_OK,
         S_OK,
         S_OK,
         S_OK,
         0,
         0,
         0,
         {"Create(DirectSound)", "DS.Initialize(null)", "DS.SetCooperativeLevel(2)"},
         {}},
        {"both fail",
         S_OK,
         DSERR_NODRIVER,
         DSERR_NODRIVER,
         S_OK,
         1,
         DSERR_NODRIVER,
         0,
         {"Create(Tazro)", "Create(DirectSound)", "DS.Initialize(null)", "DS.Release()"},
         {"Tazro Error in Initialize---> DSERR_NODRIVER\n"}},
        {"positive cooperative level",
         REGDB_E_CLASSNOTREG,
         S_OK,
         S_OK,
         S_FALSE,
         1,
         S_FALSE,
         7,
         {"Create(DirectSound)", "DS.SetCooperativeLevel(2)", "DS.Release()"},
         {"Tazro Error in SetCooperativeLevel---> NO ERROR\n"}},
        {"cooperative level refused",
         REGDB_E_CLASSNOTREG,
         S_OK,
         S_OK,
         DSERR_PRIOLEVELNEEDED,
         1,
         DSERR_PRIOLEVELNEEDED,
         7,
         {"DS.SetCooperativeLevel(2)", "DS.Release()"},
         {"Tazro Error in SetCooperativeLevel---> DSERR_PRIOLEVELNEEDED\n"}},
    };
    for (const OpenCase& c : cases) {
        fakeds::Reset();
        fakeds::script().createRuntime = c.createRuntime;
        fakeds::script().initializeRuntime = c.initializeRuntime;
        fakeds::script().initializeDirectSound = c.initializeDirectSound;
        fakeds::script().cooperativeLevel = c.cooperativeLevel;
        CSoundDevice device;
        int tazro = 7;
        HWND owner = reinterpret_cast<HWND>(0x1234);
        EXPECT_EQ(c.expected, device.Open(nullptr, owner, c.mode, FALSE, &tazro)) << c.name;
        EXPECT_EQ(c.expectedTazro, tazro) << c.name;
        std::string missing;
        EXPECT_TRUE(fakeds::HasInOrder(c.calls, &missing)) << c.name << ": missing " << missing << "\n"
                                                           << fakeds::Dump();
        EXPECT_EQ(c.boxes, BoxTexts()) << c.name;
        for (const fakeds::Box& b : fakeds::Boxes()) {
            EXPECT_EQ("Tazro-Error Information", b.caption) << c.name;
            EXPECT_EQ(UINT(MB_OK | MB_ICONERROR), b.type) << c.name;
        }
        if (c.expected == 0) {
            EXPECT_NE(nullptr, device.m_pDS) << c.name;
            EXPECT_EQ(c.mode, device.m_nMode) << c.name;
            EXPECT_EQ(owner, device.m_hWndOwner) << c.name;
            device.Close();
        } else {
            // A failed open leaves the constructed state.
            EXPECT_EQ(nullptr, device.m_pDS) << c.name;
            EXPECT_EQ(2, device.m_nMode) << c.name;
            EXPECT_EQ(nullptr, device.m_hWndOwner) << c.name;
        }
        EXPECT_EQ(2, device.m_nMode) << c.name;
        EXPECT_EQ(0, fakeds::LiveObjects()) << c.name;
    }
}

TEST_F(OpenTest, GetCapsWithoutDeviceLeavesCapsAlone) {
    CSoundDevice device;
    DSCAPS caps;
    caps.dwSize = 1234;
    EXPECT_EQ(0, device.GetCaps(&caps));
    EXPECT_EQ(1234u, caps.dwSize);
}

TEST(ErrorNameTest, FullTable) {
    const struct {
        DWORD code;
        const char* name;
    } cases[] = {
        {0, "NO ERROR"},
        {1, "NO ERROR"},
        {0xFFFFFFFF, "INVALID OBJECT POINTER"},
        {0x80004005, "DSERR_GENERIC"},
        {0x80004001, "DSERR_UNSUPPORTED"},
        {0x8007000E, "DSERR_OUTOFMEMORY"},
        {0x80040110, "DSERR_NOAGGREGATION"},
        {0x80070057, "DSERR_INVALIDPARAM"},
        {0x8878000A, "DSERR_ALLOCATED"},
        {0x8878001E, "DSERR_CONTROLUNAVAIL"},
        {0x88780032, "DSERR_INVALIDCALL"},
        {0x88780046, "DSERR_PRIOLEVELNEEDED"},
        {0x88780064, "DSERR_BADFORMAT"},
        {0x88780078, "DSERR_NODRIVER"},
        {0x88780082, "DSERR_ALREADYINITIALIZED"},
        {0x88780096, "DSERR_BUFFERLOST"},
        {0x887800A0, "DSERR_OTHERAPPHASPRIO"},
        {0x887800AA, "DSERR_UNINITIALIZED"},
        {0x80004003, "UNKNOWN ERROR CODE."},  // E_POINTER
        {2, "UNKNOWN ERROR CODE."},
        {0x88780000, "UNKNOWN ERROR CODE."},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.name, ErrorName(HRESULT(c.code))) << std::hex << c.code;
}

void ReadBox(HWND box, void* context) {
    char text[256] = "";
    ::GetDlgItemTextA(box, 0xFFFF, text, sizeof(text));
    *static_cast<std::string*>(context) = text;
}

TEST(ReportErrorTest, ShowsTheRealBox) {
    std::string text;
    testsupport::DialogAnswerer answerer;
    answerer.Inspect("Tazro-Error Information", ReadBox, &text, IDOK);
    ReportError("InitListener", DSERR_BUFFERLOST);
    EXPECT_EQ(1u, answerer.Answered());
    // The box shows the text without its closing line break.
    EXPECT_EQ("Tazro Error in InitListener---> DSERR_BUFFERLOST", text.substr(0, text.find_last_not_of("\r\n") + 1));
}

class ListenerTest : public FakeAudioTest {
protected:
    void SetUp() override {
        FakeAudioTest::SetUp();
        fakeds::script().createRuntime = REGDB_E_CLASSNOTREG;
        ASSERT_EQ(0, m_device.Open(nullptr, reinterpret_cast<HWND>(1), 0, FALSE, nullptr));
    }
    void TearDown() override {
        m_device.Close();
        FakeAudioTest::TearDown();
    }
    CSoundDevice m_device;
};

TEST_F(ListenerTest, CreateWithoutDeviceIsRefusedQuietly) {
    CSoundListener listener;
    EXPECT_EQ(-1, listener.Create(nullptr));
    EXPECT_TRUE(fakeds::Boxes().empty());
}

TEST_F(ListenerTest, CreateSetsTheFactorsAndReleaseStopsThePrimary) {
    CSoundListener listener;
    ASSERT_EQ(0, listener.Create(m_device.m_pDS));
    char desc[64];
    std::snprintf(desc, sizeof(desc), "DS.CreateSoundBuffer(%u,0x11,0,null)", unsigned(sizeof(DSBUFFERDESC1)));
    std::string missing;
    EXPECT_TRUE(fakeds::HasInOrder({desc, "Primary.QueryInterface(Listener)", "Listener.SetDopplerFactor(1,0)",
                                    "Listener.SetDistanceFactor(1,0)", "Listener.SetRolloffFactor(1,0)"},
                                   &missing))
        << missing << "\n"
        << fakeds::Dump();
    EXPECT_EQ(0, listener.SetPrimaryFormat(44100, 16, 2));
    EXPECT_EQ(1u, fakeds::CountCalls("Primary.SetFormat(44100,16,2,4,176400)"));
    listener.m_fRolloffFactor = 0.2f;
    EXPECT_EQ(0, listener.Release());
    EXPECT_TRUE(fakeds::HasInOrder({"Listener.Release()", "Primary.Stop()", "Primary.Release()"}));
    EXPECT_EQ(1.0f, listener.m_fRolloffFactor);
    EXPECT_EQ(-1, listener.SetPrimaryFormat(22050, 8, 2));
}

TEST_F(ListenerTest, LabelledFailuresReleaseAndForgetTheDevice) {
    struct Case {
        const char* name;
        HRESULT fakeds::Script::*step;
        const char* box;
    } cases[] = {
        {"primary", &fakeds::Script::createPrimary, "Tazro Error in CreatePrimaryBuffer---> DSERR_OUTOFMEMORY\n"},
        {"listener", &fakeds::Script::queryListener, "Tazro Error in QueryListener---> DSERR_OUTOFMEMORY\n"},
        {"doppler", &fakeds::Script::setDoppler, "Tazro Error in SetDopplerFactor---> DSERR_OUTOFMEMORY\n"},
        {"distance", &fakeds::Script::setDistance, "Tazro Error in SetDistanceFactor---> DSERR_OUTOFMEMORY\n"},
        {"rolloff", &fakeds::Script::setRolloff, "Tazro Error in SetRolloffFactor---> DSERR_OUTOFMEMORY\n"},
    };
    for (const Case& c : cases) {
        fakeds::Boxes().clear();
        fakeds::script() = fakeds::Script();
        fakeds::script().*(c.step) = DSERR_OUTOFMEMORY;
        const int before = fakeds::LiveObjects();
        CSoundListener listener;
        EXPECT_EQ(DSERR_OUTOFMEMORY, listener.Create(m_device.m_pDS)) << c.name;
        EXPECT_EQ(std::vector<std::string>{c.box}, BoxTexts()) << c.name;
        EXPECT_EQ(nullptr, listener.m_pDS) << c.name;
        EXPECT_EQ(nullptr, listener.m_pPrimary) << c.name;
        EXPECT_EQ(nullptr, listener.m_pListener) << c.name;
        EXPECT_EQ(2, listener.m_nMode) << c.name;
        EXPECT_EQ(before, fakeds::LiveObjects()) << c.name;
    }
}

class BufferTest : public ListenerTest {};

TEST_F(BufferTest, LoadFlagsByKindAndPlacement) {
    const struct {
        int kind;
        int placement;
        DWORD flags;
    } cases[] = {
        {kKind2D, kPlaceAny, 0x100E2}, {kKind2D, kPlaceSoftware, 0x100EA}, {kKind2D, kPlaceHardware, 0x100E6},
        {kKind3D, kPlaceAny, 0x100B2}, {kKind3D, kPlaceSoftware, 0x100BA}, {kKind3D, kPlaceHardware, 0x100B6},
    };
    fakeds::script().hw2DVoices = 4;
    fakeds::script().hw3DVoices = 4;
    for (const auto& c : cases) {
        CSoundBuffer buffer;
        ASSERT_EQ(0, buffer.Load(m_device.m_pDS, kFile2D, c.placement, FALSE, TRUE, c.kind, 0));
        const std::string create = fakeds::CallsOf("DS").back();
        char expected[80];
        std::snprintf(expected, sizeof(expected), "DS.CreateSoundBuffer(%u,0x%lX,", unsigned(sizeof(DSBUFFERDESC1)),
                      c.flags);
        EXPECT_EQ(0u, create.find(expected)) << create << " wanted " << expected;
        EXPECT_EQ(1, buffer.m_nPlayState);
        EXPECT_EQ(TRUE, buffer.m_bLoop);
        EXPECT_EQ(c.kind == kKind3D ? 1 : 2, buffer.m_n3DState);
        EXPECT_EQ(c.kind == kKind3D, buffer.m_p3DBuffer != nullptr);
        EXPECT_EQ(c.placement == kPlaceSoftware ? 0 : 4, buffer.m_nHardware);
        buffer.Release();
    }
}

TEST_F(BufferTest, LoadCopiesTheSamplesAndSetsVolume) {
    std::string file = testsupport::ReadFileBytes(kFile2D);
    ASSERT_GT(file.size(), 44u);
    CSoundBuffer buffer;
    ASSERT_EQ(0, buffer.Load(m_device.m_pDS, kFile2D, kPlaceAny, FALSE, FALSE, kKind2D, -1000));
    EXPECT_EQ(file.size() - 44, fakeds::BufferBytes(1));
    EXPECT_EQ(1u, fakeds::CountCalls("Buf1.SetVolume(-1000)"));
    buffer.Release();
    ASSERT_EQ(0, buffer.Load(m_device.m_pDS, kFile2D, kPlaceAny, FALSE, FALSE, kKind2D, 0));
    EXPECT_TRUE(fakeds::CallsOf("Buf2").size() > 0);
    EXPECT_EQ(0u, fakeds::CountCalls("Buf2.SetVolume(0)"));
    buffer.Release();
}

TEST_F(BufferTest, LoadAgainReleasesTheHeldBuffer) {
    CSoundBuffer buffer;
    ASSERT_EQ(0, buffer.Load(m_device.m_pDS, kFile2D, kPlaceAny, TRUE, TRUE, kKind3D, 0));
    buffer.Stop();
    const int live = fakeds::LiveObjects();
    ASSERT_EQ(0, buffer.Load(m_device.m_pDS, kFile2D, kPlaceAny, FALSE, TRUE, kKind3D, 0));
    EXPECT_EQ(live, fakeds::LiveObjects()) << fakeds::Dump();
    EXPECT_TRUE(fakeds::HasInOrder({"3D1.Release()", "Buf1.Release()", "DS.CreateSoundBuffer"}) ||
                fakeds::HasInOrder({"3D1.Release()", "Buf1.Release()"}));
    buffer.Release();
}

TEST_F(BufferTest, PlayStopAndStateRules) {
    CSoundBuffer buffer;
    EXPECT_EQ(-1, buffer.Play()) << "empty";
    EXPECT_EQ(-1, buffer.Stop()) << "empty";
    EXPECT_EQ(0, buffer.GetPlayState()) << "empty";
    ASSERT_EQ(0, buffer.Load(m_device.m_pDS, kFile2D, kPlaceAny, FALSE, FALSE, kKind2D, 0));
    size_t before = fakeds::Calls().size();
    EXPECT_EQ(0, buffer.Stop()) << "stopped buffer";
    EXPECT_EQ(before, fakeds::Calls().size()) << "Stop of a stopped buffer calls the device";
    EXPECT_EQ(0, buffer.Play());
    EXPECT_EQ(1u, fakeds::CountCalls("Buf1.Play(0,0,0)"));
    EXPECT_EQ(1, buffer.GetPlayState()) << "playing once";
    // Playing once: a second Play leaves the device alone.
    EXPECT_EQ(0, buffer.Play());
    EXPECT_EQ(1u, fakeds::CountCalls("Buf1.Play(0,0,0)"));
    EXPECT_EQ(0, buffer.Stop());
    EXPECT_EQ(1, buffer.m_nPlayState);
    fakeds::script().statusOverride = DSBSTATUS_PLAYING;
    EXPECT_EQ(0, buffer.GetPlayState()) << "after Stop the device's status is not asked";
    fakeds::script().statusOverride = -1;
    buffer.m_bLoop = TRUE;
    EXPECT_EQ(0, buffer.Play());
    EXPECT_EQ(1u, fakeds::CountCalls("Buf1.Play(0,0,1)"));
    EXPECT_EQ(2, buffer.GetPlayState()) << "looping";
    // A looping buffer is started again (its status is not exactly "playing").
    EXPECT_EQ(0, buffer.Play());
    EXPECT_EQ(2u, fakeds::CountCalls("Buf1.Play(0,0,1)"));
    buffer.Release();
    EXPECT_EQ(-1, buffer.Play()) << "released";
}

TEST_F(BufferTest, PlayNowStartsAtOnce) {
    CSoundBuffer buffer;
    ASSERT_EQ(0, buffer.Load(m_device.m_pDS, kFile2D, kPlaceAny, TRUE, TRUE, kKind2D, 0));
    EXPECT_EQ(2, buffer.m_nPlayState);
    EXPECT_EQ(1u, fakeds::CountCalls("Buf1.Play(0,0,1)"));
    buffer.Release();
}

TEST_F(BufferTest, IsHardwareAsksOnceUntilRelease) {
    fakeds::script().hw2DVoices = 2;
    CSoundBuffer buffer;
    EXPECT_EQ(0, buffer.IsHardware()) << "no buffer";
    ASSERT_EQ(0, buffer.Load(m_device.m_pDS, kFile2D, kPlaceHardware, FALSE, FALSE, kKind2D, 0));
    char caps[32];
    std::snprintf(caps, sizeof(caps), "Buf1.GetCaps(%u)", unsigned(sizeof(DSBCAPS)));
    EXPECT_EQ(1u, fakeds::CountCalls(caps));
    EXPECT_EQ(4, buffer.IsHardware());
    EXPECT_EQ(4, buffer.IsHardware());
    EXPECT_EQ(1u, fakeds::CountCalls(caps)) << "placement asked again";
    buffer.Release();
    EXPECT_EQ(-1, buffer.m_nHardware);
    fakeds::script().getCapsBuffer = DSERR_GENERIC;
    ASSERT_EQ(0, buffer.Load(m_device.m_pDS, kFile2D, kPlaceAny, FALSE, FALSE, kKind2D, 0));
    EXPECT_EQ(0, buffer.m_nHardware) << "a failed query counts as software";
    buffer.Release();
}

TEST_F(BufferTest, ThreeDOperationsForwardAndIs3DActive) {
    CSoundBuffer buffer;
    ASSERT_EQ(0, buffer.Load(m_device.m_pDS, kFile2D, kPlaceAny, FALSE, TRUE, kKind2D, 0));
    EXPECT_EQ(-1, buffer.Query3D()) << "2D buffer";
    EXPECT_EQ(-1, buffer.SetPosition(1, 2, 3, 0));
    EXPECT_EQ(0, buffer.Is3DActive());
    buffer.Release();
    ASSERT_EQ(0, buffer.Load(m_device.m_pDS, kFile2D, kPlaceAny, FALSE, TRUE, kKind3D, 0));
    EXPECT_EQ(1, buffer.Is3DActive());
    EXPECT_EQ(0, buffer.SetPosition(1.5f, -2, 3, DS3D_DEFERRED));
    EXPECT_EQ(0, buffer.SetConeOrientation(0, 0, 2, DS3D_IMMEDIATE));
    EXPECT_EQ(0, buffer.SetConeAngles(90, 270, DS3D_DEFERRED));
    EXPECT_EQ(0, buffer.SetConeOutsideVolume(-600, DS3D_DEFERRED));
    D3DVECTOR v = {};
    EXPECT_EQ(0, buffer.GetPosition(&v));
    EXPECT_EQ(1.5f, v.x);
    std::string missing;
    EXPECT_TRUE(fakeds::HasInOrder({"3D2.SetPosition(1.5,-2,3,1)", "3D2.SetConeOrientation(0,0,2,0)",
                                    "3D2.SetConeAngles(90,270,1)", "3D2.SetConeOutsideVolume(-600,1)"},
                                   &missing))
        << missing;
    fakeds::script().mode3D = DS3DMODE_DISABLE;
    EXPECT_EQ(0, buffer.Is3DActive());
    buffer.Release();
}

TEST_F(BufferTest, DeviceFailuresLeaveTheBufferEmpty) {
    struct Case {
        const char* name;
        HRESULT fakeds::Script::*step;
        bool region;
        std::vector<std::string> calls;
    } cases[] = {
        {"create", &fakeds::Script::createSecondary, false, {"DS.CreateSoundBuffer"}},
        {"lock with region", &fakeds::Script::lock, true, {"Lock(", "Unlock(", "Release()"}},
        {"lock without region", &fakeds::Script::lock, false, {"Lock(", "Release()"}},
        {"unlock", &fakeds::Script::unlock, false, {"Lock(", "Unlock(", "Release()"}},
    };
    for (const Case& c : cases) {
        fakeds::script() = fakeds::Script();
        fakeds::script().*(c.step) = DSERR_OUTOFMEMORY;
        fakeds::script().lockReturnsRegion = c.region;
        size_t first = fakeds::Calls().size();
        const int live = fakeds::LiveObjects();
        CSoundBuffer buffer;
        EXPECT_EQ(DSERR_OUTOFMEMORY, buffer.Load(m_device.m_pDS, kFile2D, kPlaceAny, FALSE, FALSE, kKind2D, 0))
            << c.name;
        EXPECT_EQ(nullptr, buffer.m_pBuffer) << c.name;
        EXPECT_EQ(0, buffer.m_nPlayState) << c.name;
        EXPECT_EQ(live, fakeds::LiveObjects()) << c.name;
        // The expected calls appear in order after the load began (matched by their text).
        size_t pos = first;
        for (const std::string& e : c.calls) {
            while (pos < fakeds::Calls().size() && fakeds::Calls()[pos].find(e) == std::string::npos)
                ++pos;
            EXPECT_LT(pos, fakeds::Calls().size()) << c.name << ": " << e << "\n" << fakeds::Dump();
            ++pos;
        }
        EXPECT_TRUE(fakeds::Boxes().empty()) << c.name;
    }
}

TEST_F(BufferTest, FailingQuery3DLeavesItUnplayable) {
    fakeds::script().query3D = E_NOINTERFACE;
    CSoundBuffer buffer;
    EXPECT_EQ(E_NOINTERFACE, buffer.Load(m_device.m_pDS, kFile2D, kPlaceAny, TRUE, FALSE, kKind3D, 0));
    EXPECT_NE(nullptr, buffer.m_pBuffer);
    EXPECT_EQ(0, buffer.m_nPlayState);
    EXPECT_EQ(-1, buffer.Play());
    buffer.Release();
}

TEST_F(BufferTest, NullDeviceIsRefused) {
    CSoundBuffer buffer;
    EXPECT_EQ(-1, buffer.Load(nullptr, kFile2D, kPlaceAny, FALSE, FALSE, kKind2D, 0));
}

}  // namespace
