// Hands the audio layer the scriptable DirectSound and records its message boxes; checks at the end
// that every COM object obtained was released.
#pragma once
#include <gtest/gtest.h>
#include "audio/SoundDevice.h"
#include "fakes/FakeDirectSound.h"

class FakeAudioTest : public ::testing::Test {
protected:
    void SetUp() override {
        fakeds::Reset();
        m_savedFactory = g_pfnCreateSoundDevice;
        m_savedBox = g_pfnAudioMessageBox;
        g_pfnCreateSoundDevice = fakeds::CreateDevice;
        g_pfnAudioMessageBox = fakeds::RecordMessageBox;
    }
    void TearDown() override {
        g_pfnCreateSoundDevice = m_savedFactory;
        g_pfnAudioMessageBox = m_savedBox;
        EXPECT_EQ(0, fakeds::LiveObjects()) << "objects left alive; calls:\n" << fakeds::Dump();
    }
    static std::vector<std::string> BoxTexts() {
        std::vector<std::string> texts;
        for (const fakeds::Box& b : fakeds::Boxes())
            texts.push_back(b.text);
        return texts;
    }

private:
    SoundDeviceFactory m_savedFactory = nullptr;
    AudioMessageBoxFn m_savedBox = nullptr;
};
