#pragma once
// A test suite whose every case runs on the reference engine and on the fast engine.

#include <gtest/gtest.h>
#include <string>

#include "engine/Candidate_Engine.h"

class On_Both_Engines : public ::testing::TestWithParam<Engine_Choice> {
  protected:
    void SetUp() override {
        saved_ = Current_Engine_Choice();
        Set_Engine_Choice(GetParam());
    }
    void TearDown() override { Set_Engine_Choice(saved_); }

  private:
    Engine_Choice saved_ = Engine_Choice::Reference;
};

inline std::string Engine_Name(const ::testing::TestParamInfo<Engine_Choice>& info) {
    return info.param == Engine_Choice::Reference ? "Reference" : "Fast";
}

#define RUN_ON_BOTH_ENGINES(Suite)                                                                 \
    INSTANTIATE_TEST_SUITE_P(Engines, Suite,                                                       \
                             ::testing::Values(Engine_Choice::Reference, Engine_Choice::Fast),     \
                             Engine_Name)
