// The audio layer and the source set on Wine's own DirectSound (no Tazro runtime installed).
#include <gtest/gtest.h>
#include <vector>
#include "audio/SoundDevice.h"
#include "sources/SourceSet.h"

namespace {

struct Driver {
    bool primary;
    GUID guid;
    std::string description;
};

BOOL CALLBACK CollectDriver(LPGUID guid, LPCSTR description, LPCSTR, LPVOID context) {
    auto* drivers = static_cast<std::vector<Driver>*>(context);
    Driver d = {guid == nullptr, guid != nullptr ? *guid : GUID_NULL, description ? description : ""};
    drivers->push_back(d);
    return TRUE;
}

class RealDirectSoundTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_hWnd = ::CreateWindowA("STATIC", "owner", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        ::DirectSoundEnumerateA(CollectDriver, &m_drivers);
    }
    void TearDown() override { ::DestroyWindow(m_hWnd); }
    HWND m_hWnd = nullptr;
    std::vector<Driver> m_drivers;
};

TEST_F(RealDirectSoundTest, BothDriversPlayEveryRecordingIn2DAnd3D) {
    ASSERT_GE(m_drivers.size(), 2u);
    ASSERT_TRUE(m_drivers[0].primary);
    for (size_t d = 0; d < 2; ++d) {
        const Driver& driver = m_drivers[d];
        const GUID* guid = driver.primary ? nullptr : &driver.guid;
        CSoundDevice device;
        int tazro = 0;
        ASSERT_EQ(0, device.Open(guid, m_hWnd, 1, TRUE, &tazro)) << driver.description;
        EXPECT_EQ(0, tazro) << driver.description;
        DSCAPS caps = {};
        caps.dwSize = sizeof(caps);
        EXPECT_EQ(0, device.GetCaps(&caps)) << driver.description;
        CSoundListener listener;
        ASSERT_EQ(0, listener.Create(device.m_pDS)) << driver.description;
        EXPECT_EQ(0, listener.SetPrimaryFormat(44100, 16, 2)) << driver.description;

        std::vector<CSoundBuffer> buffers(2 * kRecordingCount);
        for (int i = 0; i < 2 * kRecordingCount; ++i) {
            const int index = i % kRecordingCount;
            const int kind = i < kRecordingCount ? kKind2D : kKind3D;
            CSoundBuffer& b = buffers[i];
            ASSERT_EQ(0, b.Load(device.m_pDS, RecordingPath(index), kPlaceAny, FALSE, TRUE, kind, -3000))
                << driver.description << " " << RecordingPath(index) << " kind " << kind;
            EXPECT_EQ(0, b.IsHardware()) << "Wine mixes everything in software";
            EXPECT_EQ(0, b.Play()) << RecordingPath(index);
            EXPECT_EQ(2, b.GetPlayState()) << RecordingPath(index);
            if (kind == kKind3D) {
                EXPECT_EQ(1, b.Is3DActive());
                EXPECT_EQ(0, b.SetPosition(2.0f, 0.5f, -3.0f, DS3D_IMMEDIATE));
                D3DVECTOR v = {};
                EXPECT_EQ(0, b.GetPosition(&v));
                EXPECT_FLOAT_EQ(2.0f, v.x);
                EXPECT_FLOAT_EQ(-3.0f, v.z);
                EXPECT_EQ(0, b.SetConeAngles(90, 270, DS3D_DEFERRED));
                EXPECT_EQ(0, b.SetConeOutsideVolume(-600, DS3D_DEFERRED));
                EXPECT_EQ(0, listener.m_pListener->CommitDeferredSettings());
            }
        }
        for (CSoundBuffer& b : buffers) {
            EXPECT_EQ(0, b.Stop());
            EXPECT_EQ(0, b.GetPlayState());
            EXPECT_EQ(0, b.Release());
        }
        EXPECT_EQ(0, listener.Release());
        device.Close();
    }
}

TEST_F(RealDirectSoundTest, SourceSetRunsItsStartupsAndFindsNoHardware) {
    CSourceSet set;
    int tazro = 0;
    ASSERT_EQ(0, set.InitRenderer(m_hWnd, nullptr, 0, &tazro));
    EXPECT_EQ(0, tazro);
    EXPECT_EQ(nullptr, set.m_pRuntimeExt);
    EXPECT_EQ(0, set.SetOutputMode(3));
    int mode = 0;
    EXPECT_EQ(0, set.GetOutputMode(&mode));
    EXPECT_EQ(3, mode) << "Wine reports wide stereo";
    EXPECT_EQ(0, set.SetPrimaryFormat(22, 8, 2));
    EXPECT_EQ(0, set.MaxOutHardware(9, kKind2D)) << "Wine refuses hardware buffers";
    set.ClearMovingList();
    EXPECT_EQ(0, set.StartMixingSource(12, 1));
    EXPECT_EQ(0, set.StartDistanceRun(11, 1.0f, 35.0f, 0.5f, 2, kPathRadial));
    EXPECT_EQ(0, set.StartDopplerRun(13, 1.0f, 10.0f, 3, kPathPassBy));
    EXPECT_EQ(0, set.StartLatencyRun(2, 4));
    EXPECT_EQ(0, set.StartPositioningPath(19, 5, kPathOrbit));
    EXPECT_EQ(0, set.StartRadiationRun(21, 90, 270, 0, 0, 2, 6));
    EXPECT_EQ(7, set.m_nMoving);
    EXPECT_EQ(2, set.GetSourceState(12));
    EXPECT_EQ(0, set.MoveSource(13, -5.0f, 0.0f, 7.0f));
    D3DVECTOR v = {};
    EXPECT_EQ(0, set.m_apSources[13]->GetPosition(&v));
    EXPECT_FLOAT_EQ(-5.0f, v.x);
    EXPECT_EQ(0, set.StopSource(12));
    EXPECT_EQ(0, set.Shutdown());
    EXPECT_EQ(nullptr, set.m_pDevice);
}

}  // namespace
