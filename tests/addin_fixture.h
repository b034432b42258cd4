#pragma once

#include <string>

#include <gtest/gtest.h>

#include "host/loaded_addin.h"
#include "host/spreadsheet_host.h"
#include "worksheet/calling_convention.h"

// The add-in file of this test program's variant, opened once through our
// host; each test starts the host afresh and drives the add-in's exports.
inline const LoadedAddin& loadedAddin() {
    static const LoadedAddin addin = openAddin(KORVA_ADDIN_FILE, HostSettings{});
    return addin;
}

template <class Entry>
Entry addinEntry(const char* name) {
    const AnyEntry entry = findEntry(loadedAddin().library, name);
    EXPECT_NE(entry, nullptr) << "the add-in exports no " << name;
    return reinterpret_cast<Entry>(entry);
}

// A fresh host answering for the loaded add-in: nothing registered, no alert.
inline void restartHost(HostSettings settings = {}) {
    settings.addinPath = loadedAddin().path;
    startHost(std::move(settings));
}

class AddinTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(loadedAddin().loaded) << loadedAddin().error;
    }
    void SetUp() override { restartHost(); }
};
