#include "shell/command_line.h"

#include <gtest/gtest.h>

#include "characters/character_data.h"
#include "shell/game_trace.h"

namespace zk {
namespace {

TEST(CommandLine, ReadsEveryOption) {
  CommandLine cmd;
  std::string error;
  ASSERT_TRUE(
      ParseCommandLine({"--window", "--mp3", "--hard", "--start", "--headless", "--frames", "120",
                        "--seed", "4294967295", "--input", "in.txt", "--trace", "t.jsonl", "--dump",
                        "d.json", "--screenshot", "60:a.png", "--screenshot", "61:b.png"},
                       cmd, error))
      << error;
  EXPECT_EQ(cmd.Choices.Screen, 1);
  EXPECT_EQ(cmd.Choices.Music, 1);
  EXPECT_EQ(cmd.Choices.Survival, 1);
  EXPECT_TRUE(cmd.Start);
  EXPECT_TRUE(cmd.Headless);
  EXPECT_EQ(cmd.Frames, 120);
  ASSERT_TRUE(cmd.Seed.has_value());
  EXPECT_EQ(*cmd.Seed, 4294967295u);
  EXPECT_EQ(cmd.InputFile, "in.txt");
  EXPECT_EQ(cmd.TraceFile, "t.jsonl");
  EXPECT_EQ(cmd.DumpFile, "d.json");
  ASSERT_EQ(cmd.Screenshots.size(), 2u);
  EXPECT_EQ(cmd.Screenshots[0].Frame, 60);
  EXPECT_EQ(cmd.Screenshots[0].File, "a.png");
  EXPECT_EQ(cmd.Screenshots[1].File, "b.png");
}

TEST(CommandLine, DefaultsAreTheDialogsFirstItems) {
  CommandLine cmd;
  std::string error;
  ASSERT_TRUE(ParseCommandLine({}, cmd, error));
  EXPECT_EQ(cmd.Choices.Screen, 0);
  EXPECT_EQ(cmd.Choices.Music, 0);
  EXPECT_EQ(cmd.Choices.Survival, 0);
  EXPECT_FALSE(cmd.Start);
  EXPECT_FALSE(cmd.Seed.has_value());
  EXPECT_EQ(cmd.Frames, 0);
  // The later of two contradicting options holds.
  ASSERT_TRUE(ParseCommandLine({"--window", "--fullscreen", "--mp3", "--midi"}, cmd, error));
  EXPECT_EQ(cmd.Choices.Screen, 0);
  EXPECT_EQ(cmd.Choices.Music, 0);
}

TEST(CommandLine, RefusesWhatItDoesNotUnderstand) {
  const std::vector<std::vector<std::string>> bad = {
      {"--bogus"},
      {"window"},
      {"--frames"},
      {"--frames", "0"},
      {"--frames", "-3"},
      {"--frames", "12x"},
      {"--seed", "4294967296"},
      {"--seed", "-1"},
      {"--seed", ""},
      {"--trace"},
      {"--screenshot", "a.png"},
      {"--screenshot", "0:a.png"},
      {"--screenshot", "5:"},
      {"--screenshot", "x:a.png"},
  };
  for (const auto& args : bad) {
    CommandLine cmd;
    std::string error;
    EXPECT_FALSE(ParseCommandLine(args, cmd, error)) << args[0];
    EXPECT_FALSE(error.empty()) << args[0];
  }
}

TEST(TraceJson, TextsAreEscapedIntoValidJson) {
  EXPECT_EQ(JsonString("Ro-da type West"), "\"Ro-da type West\"");
  EXPECT_EQ(JsonString("a\"b\\c"), "\"a\\\"b\\\\c\"");
  EXPECT_EQ(JsonString(std::string("\n\x01", 2)), "\"\\u000a\\u0001\"");
  // Bytes of a hand-edited score file that are not ASCII stay representable.
  EXPECT_EQ(JsonString("\xff%s"), "\"\\u00ff%s\"");
}

}  // namespace
}  // namespace zk

namespace zk {
namespace {

TEST(TraceJson, StepIdNamesTheActionAndTheStepWithinIt) {
  CharacterData robot{};
  for (int a = 0; a < kActionCount; ++a) {
    for (int s = 0; s < 10; ++s) {
      ActionStep& step = robot.Actions.Steps[a][s];
      step.Action = a;
      step.Duration = a * 10 + s + 1;  // every step distinct
    }
  }
  for (const int32_t id : {0, 7, 12, 39, 50, 60, 69}) {
    robot.Step = robot.Actions.Steps[id / 10][id % 10];
    EXPECT_EQ(CurrentStepId(robot), id);
  }
  // A weapon action's step k0 copied from the idle step reads as the idle step it equals.
  robot.Actions.Steps[4][0] = robot.Actions.Steps[0][0];
  robot.Step = robot.Actions.Steps[4][0];
  EXPECT_EQ(CurrentStepId(robot), 0);
}

}  // namespace
}  // namespace zk
