// Registry operations of the settings store, each against a clean key.
#include <gtest/gtest.h>
#include "settings/SettingsStore.h"
#include "support/TestSupport.h"

using testsupport::ReadDword;

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::DeleteKeyTree(kPelloraKey);
        testsupport::DeleteKeyTree(kTazroKey);
    }
    void TearDown() override {
        testsupport::DeleteKeyTree(kPelloraKey);
        testsupport::DeleteKeyTree(kTazroKey);
    }
    CSettingsStore store;
};

TEST_F(SettingsStoreTest, SplashStateReadsOnlyExactOnesAndRestoresEveryState) {
    EXPECT_EQ(0, store.ReadSplashState()) << "missing key";
    struct Case {
        DWORD audio, screen;
        int state;
    } reads[] = {{1, 1, 3}, {1, 0, 2}, {0, 1, 1}, {2, 1, 1}, {0, 7, 0}};
    for (const Case& c : reads) {
        testsupport::WriteDword(kTazroKey, "SplashAudio", c.audio);
        testsupport::WriteDword(kTazroKey, "SplashScreen", c.screen);
        EXPECT_EQ(c.state, store.ReadSplashState()) << c.audio << "/" << c.screen;
    }
    struct Restore {
        int state;
        DWORD audio, screen;
    } restores[] = {{0, 0, 0}, {1, 0, 1}, {2, 1, 0}, {3, 1, 1}, {9, 0, 0}, {-1, 0, 0}};
    for (const Restore& r : restores) {
        EXPECT_TRUE(store.RestoreSplash(r.state));
        DWORD a = 9, s = 9;
        ReadDword(kTazroKey, "SplashAudio", &a);
        ReadDword(kTazroKey, "SplashScreen", &s);
        EXPECT_EQ(r.audio, a) << "state " << r.state;
        EXPECT_EQ(r.screen, s) << "state " << r.state;
    }
}

TEST_F(SettingsStoreTest, OverridesRoundTripAndPartialReads) {
    EXPECT_EQ(-1, store.ReadOverrides(nullptr));
    OverrideFlags f = DefaultOverrideFlags();
    EXPECT_EQ(1, store.ReadOverrides(&f)) << "no key: defaults stay";
    EXPECT_EQ(1, f.bOverrideThreading);
    EXPECT_EQ(0, f.bOverrideMIDI);

    OverrideFlags w = {0, 1, 0, 1, 1, 1, 0, 0};
    EXPECT_TRUE(store.WriteOverrides(w));
    OverrideFlags r = DefaultOverrideFlags();
    EXPECT_EQ(1, store.ReadOverrides(&r));
    EXPECT_EQ(0, memcmp(&w, &r, sizeof(w)));

    // Key present, one value missing: the field keeps its value and the result is 0.
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kPelloraKey, 0, KEY_WRITE, &key));
    ::RegDeleteValueA(key, "bOverrideMIDI");
    // A value that is not a 4-byte number cannot be read either.
    ::RegSetValueExA(key, "bOverrideProfiler", 0, REG_SZ, reinterpret_cast<const BYTE*>("yes please"), 11);
    ::RegCloseKey(key);
    OverrideFlags p = DefaultOverrideFlags();
    EXPECT_EQ(0, store.ReadOverrides(&p));
    EXPECT_EQ(0, p.bOverrideMIDI) << "kept its default";
    EXPECT_EQ(0, p.bOverrideProfiler) << "kept its default";
    EXPECT_EQ(1, p.bOverrideSetOutput) << "read";
}

TEST_F(SettingsStoreTest, CurrentDeviceAndMaxima) {
    EXPECT_TRUE(store.WriteCurrentDevice(0, nullptr));
    DWORD v = 9;
    EXPECT_TRUE(ReadDword(kPelloraKey, "CurrentGUID", &v));
    EXPECT_EQ(0u, v);
    EXPECT_FALSE(testsupport::ValueExists(kPelloraKey, "CurrentDevice"));
    EXPECT_TRUE(store.WriteCurrentDevice(0x1234, "Out: default"));
    std::string name;
    EXPECT_TRUE(testsupport::ReadString(kPelloraKey, "CurrentDevice", &name));
    EXPECT_EQ("Out: default", name);

    store.WriteHW3DMaxima(1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0);
    for (int i = 0; i < 12; ++i) {
        DWORD m = 99;
        EXPECT_TRUE(ReadDword(kPelloraKey, kHW3DMaximaNames[i], &m)) << kHW3DMaximaNames[i];
        EXPECT_EQ((DWORD)((i + 1) % 12), m) << kHW3DMaximaNames[i];
    }
    EXPECT_STREQ("CurDevHW3DMax16B44K2C", kHW3DMaximaNames[11]);
}

}  // namespace
