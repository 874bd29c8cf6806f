// Every robot kind and variant with what the table-wide checks need to know about it.
#pragma once

#include <cstdint>
#include <ostream>
#include <vector>

#include "robots/robot_tables.h"
#include "support/motion_tables.h"

namespace zk::testing_robots {

using ActionFiller = void (*)(ActionTable&);
using StatusFiller = void (*)(CharacterStatus&, int32_t);

struct KindInfo {
  const char* Name;
  StatusFiller Status;
  int32_t Modifier;
  const test_support::KindFrames* Frames;  // its motion table
  uint8_t IdleAccept;                      // Accept of step 00
  int32_t HomeIdle;                        // the idle step that chains, guard and hit return to
};

inline const KindInfo kRidezazo = {"Ridezazo", &LizardStatus, 1, &test_support::kRidezazoFrames, 1,
                                   1};
inline const KindInfo kLizard = {"Lizard", &LizardStatus, 0, &test_support::kLizardFrames, 1, 0};
inline const KindInfo kDuvuZirada = {
    "DuvuZirada", &PyroStatus, -1, &test_support::kDuvuZiradaFrames, 0, 0};
inline const KindInfo kDoz = {"D.O.Z.", &FMHStatus, -1, &test_support::kDozFrames, 0, 0};
inline const KindInfo kRiziVov = {"RiziVov", &BuzzBStatus, 1, &test_support::kRiziVovFrames, 0, 0};
inline const KindInfo kVedoZad = {"VedoZad", &FDogStatus, 0, &test_support::kVedoZadFrames, 1, 0};
inline const KindInfo kRoDa = {"Ro-da", &DFStatus, 1, &test_support::kRoDaFrames, 1, 0};
inline const KindInfo kZuzodEvoz = {
    "ZuzodEvoz", &HBackStatus, 0, &test_support::kZuzodEvozFrames, 0, 0};
inline const KindInfo kV2A = {"V-2-A", &AgehaStatus, 1, &test_support::kV2AFrames, 0, 0};
inline const KindInfo kZizoruVuzev = {
    "ZizoruVuzev", &TBahaoStatus, -1, &test_support::kZizoruVuzevFrames, 0, 0};
inline const KindInfo kZeviruraR = {
    "ZeviruraR", &ScavStatus, 1, &test_support::kZeviruraRFrames, 0, 0};

struct MotionException {
  int32_t StepId;
  int32_t Motion;
};

struct VariantInfo {
  const char* Name;
  const KindInfo* Kind;
  ActionFiller Filler;
  std::vector<int32_t> Weaponless;                // weapon slots whose step k0 copies step 00
  std::vector<MotionException> MotionExceptions;  // steps whose motion row is not their action
  bool Designed;                                  // one of the four kinds designed here
};

// A variant prints as its name in the parameterised tests.
inline void PrintTo(const VariantInfo& v, std::ostream* os) {
  *os << v.Name;
}

inline const std::vector<VariantInfo>& AllVariants() {
  static const std::vector<VariantInfo> variants = {
      {"Ridezazo (both)", &kRidezazo, &LizardAction, {4}, {}, false},
      {"Lizard Tekkira", &kLizard, &Lizard2Action_Tekkira, {4}, {}, false},
      {"Lizard Vocka", &kLizard, &Lizard2Action_Vocka, {4}, {}, false},
      {"Lizard Jin", &kLizard, &Lizard2Action_Jin, {4}, {}, false},
      {"DuvuZirada Bannila Boy", &kDuvuZirada, &PyroAction_BannilaBoy, {}, {}, true},
      {"DuvuZirada Pepper Girl", &kDuvuZirada, &PyroAction_PepperGirl, {}, {}, true},
      {"Ruva Duvud Ovived", &kDoz, &FMHAction_Heaven, {}, {}, false},
      {"Dezu Ridev Adud",
       &kDoz,
       &FMHAction_Hell,
       {4},
       {{30, 4}, {31, 4}, {32, 4}, {33, 4}, {34, 4}},
       false},
      {"RiziVov S.L.A.B", &kRiziVov, &BuzzBAction_SLAB, {4}, {{30, 0}, {33, 0}}, false},
      {"RiziVov F.L.A.B", &kRiziVov, &BuzzBAction_FLAB, {4}, {{30, 0}, {33, 0}}, false},
      {"VedoZad StaryDog", &kVedoZad, &FDogAction_StaryDog, {4}, {}, false},
      {"VedoZad Hyaena", &kVedoZad, &FDogAction_Hyaena, {4}, {}, false},
      {"VedoZad Coyote", &kVedoZad, &FDogAction_Coyote, {4}, {}, false},
      {"Ro-da North", &kRoDa, &DFAction_North, {4}, {}, false},
      {"Ro-da West", &kRoDa, &DFAction_West, {4}, {}, false},
      {"Ro-da South", &kRoDa, &DFAction_South, {4}, {}, false},
      {"ZiraZedu Pupa", &kZuzodEvoz, &HBackAction_Pupa, {}, {}, false},
      {"ZiraZedu Cocoon", &kZuzodEvoz, &HBackAction_Cocoon, {}, {}, false},
      {"V-2-A L.M.T", &kV2A, &AgehaAction, {4}, {}, true},
      {"ZizoruVuzev the Nine", &kZizoruVuzev, &TBahaoAction_Nine, {}, {}, true},
      {"ZizoruVuzev the Six", &kZizoruVuzev, &TBahaoAction_Six, {}, {}, true},
      {"ZeviruraR Skinny Crow", &kZeviruraR, &ScavAction_SkinnyCrow, {3, 4}, {}, true},
      {"ZeviruraR Fat Owl", &kZeviruraR, &ScavAction_FatOwl, {3, 4}, {}, true},
  };
  return variants;
}

}  // namespace zk::testing_robots
