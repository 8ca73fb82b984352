#pragma once
#include <gtest/gtest.h>

// Global set-up of every test executable: messages go to a recorder, never to a window.
class TestUmgebung : public ::testing::Environment {
public:
    void SetUp() override;
    void TearDown() override;
};
