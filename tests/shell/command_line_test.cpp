#include "shell/command_line.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "characters/character_data.h"
#include "platform/platform.h"
#include "shell/form.h"
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
      {"--screenshot", "5:a.jpg"},
      {"--screenshot", "5:a.png.txt"},
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

  // The copy is found by its fields, whatever the bytes between them hold.
  const ActionStep& wanted = robot.Actions.Steps[2][3];
  std::memset(static_cast<void*>(&robot.Step), 0xA5, sizeof robot.Step);
  robot.Step.Accept = wanted.Accept;
  robot.Step.Action = wanted.Action;
  robot.Step.Move = wanted.Move;
  robot.Step.Duration = wanted.Duration;
  robot.Step.Fire = wanted.Fire;
  robot.Step.Turn = wanted.Turn;
  robot.Step.Motion = wanted.Motion;
  robot.Step.Frame = wanted.Frame;
  for (int k = 0; k < kNextCount; ++k) robot.Step.Next[k] = wanted.Next[k];
  EXPECT_EQ(CurrentStepId(robot), 23);
}

// Every key other programs read, with the member it stands for.
TEST(TraceJson, TraceLineAndDumpCarryEveryKey) {
  std::unique_ptr<Platform> host = MakeHeadlessPlatform();
  TForm1 form(*host);
  form.GameStage = 9;
  form.StageFrame = 4;
  form.GameMode = 3;
  form.RouteStage = 2;
  form.SurvivalWins = 5;
  form.Winner = 1;
  form.KoPending = 2;
  form.ErrorCode = 3;
  std::strcpy(form.Robots[1].Name, "Lizard type Jin");
  CharacterData& r = form.Robots[1];
  r.X = 11;
  r.Y = 12;
  r.Armor = -13;
  r.Energy = 14;
  r.Action = 6;
  r.Facing = 7;
  r.InputX = 2;
  r.InputY = 1;
  r.InputButton = 9;
  r.Stun = 15;
  r.WeaponType = 2;
  r.Step.Action = 6;
  r.Actions.Steps[6][0].Action = 6;
  for (int i = 0; i < 8; ++i) form.Weapons[i].Ammo = 100 + i;

  const std::string line = TraceLine(form, 42, {"play S_START", "music-stop"});
  for (const char* key :
       {"{\"frame\":42,", "\"GameStage\":9,", "\"StageFrame\":4,", "\"GameMode\":3,",
        "\"RouteStage\":2,", "\"SurvivalWins\":5,", "\"Winner\":1,", "\"KoPending\":2,",
        "\"ErrorCode\":3,",
        "{\"Name\":\"Lizard type Jin\",\"X\":11,\"Y\":12,\"Armor\":-13,\"Energy\":14,"
        "\"Action\":6,\"Step\":60,\"Facing\":7,\"InputX\":2,\"InputY\":1,"
        "\"InputButton\":9,\"Stun\":15}]",
        "\"Ammo\":[100,101,102,103,104,105,106,107],",
        "\"sound\":[\"play S_START\",\"music-stop\"]}"}) {
    EXPECT_NE(line.find(key), std::string::npos) << key << " in " << line;
  }
  EXPECT_EQ(line.find("WeaponType"), std::string::npos);
  // The opponent's plan: every field of it (all 32-bit), each once.
  const size_t cpu = line.find("\"Cpu\":{"), cpu_end = line.find('}', cpu);
  ASSERT_NE(cpu, std::string::npos);
  EXPECT_EQ(std::count(line.begin() + cpu, line.begin() + cpu_end, ':') - 1,
            sizeof(CpuPlan) / sizeof(int32_t));

  form.ScoreTable[12].Score = 77;
  form.ScoreFileError = 1;
  form.RobotKind1 = 4;
  form.RobotKind2 = 9;
  form.Route = 1;
  form.HardSurvival = 1;
  form.MusicMode = 1;
  form.WindowMode = 1;
  const std::string dump = DumpJson(form, 42, {});
  // A trace line's keys first, the robots with their variants.
  EXPECT_EQ(dump.rfind(line.substr(0, line.find("\"Robots\"")), 0), 0u);
  EXPECT_NE(
      dump.find(line.substr(line.find("\"Ammo\""), line.find("\"sound\"") - line.find("\"Ammo\""))),
      std::string::npos);
  for (const char* key :
       {"\"Stun\":15,\"WeaponType\":2}", "{\"Score\":77,\"Text\":\"\"}],", "\"ScoreFileError\":1,",
        "\"RobotKind1\":4,", "\"RobotKind2\":9,", "\"Route\":1,", "\"HardSurvival\":1,",
        "\"MusicMode\":1,", "\"WindowMode\":1}"}) {
    EXPECT_NE(dump.find(key), std::string::npos) << key << " in " << dump;
  }
  size_t rows = 0;
  for (size_t at = dump.find("{\"Score\":"); at != std::string::npos;
       at = dump.find("{\"Score\":", at + 1)) {
    ++rows;
  }
  EXPECT_EQ(rows, 13u);
}

}  // namespace
}  // namespace zk
