// Every robot kind and variant with what the table-wide checks need to know about it.
#pragma once

#include <cstdint>
#include <ostream>
#include <vector>

#include "shell/form.h"
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

inline const KindInfo kRidezazo = {
    "Ridezazo", &TForm1::LizardStatus, 1, &test_support::kRidezazoFrames, 1, 1};
inline const KindInfo kLizard = {
    "Lizard", &TForm1::LizardStatus, 0, &test_support::kLizardFrames, 1, 0};
inline const KindInfo kDuvuZirada = {
    "DuvuZirada", &TForm1::PyroStatus, -1, &test_support::kDuvuZiradaFrames, 0, 0};
inline const KindInfo kDoz = {"D.O.Z.", &TForm1::FMHStatus, -1, &test_support::kDozFrames, 0, 0};
inline const KindInfo kRiziVov = {
    "RiziVov", &TForm1::BuzzBStatus, 1, &test_support::kRiziVovFrames, 0, 0};
inline const KindInfo kVedoZad = {
    "VedoZad", &TForm1::FDogStatus, 0, &test_support::kVedoZadFrames, 1, 0};
inline const KindInfo kRoDa = {"Ro-da", &TForm1::DFStatus, 1, &test_support::kRoDaFrames, 1, 0};
inline const KindInfo kZuzodEvoz = {
    "ZuzodEvoz", &TForm1::HBackStatus, 0, &test_support::kZuzodEvozFrames, 0, 0};
inline const KindInfo kV2A = {"V-2-A", &TForm1::AgehaStatus, 1, &test_support::kV2AFrames, 0, 0};
inline const KindInfo kZizoruVuzev = {
    "ZizoruVuzev", &TForm1::TBahaoStatus, -1, &test_support::kZizoruVuzevFrames, 0, 0};
inline const KindInfo kZeviruraR = {
    "ZeviruraR", &TForm1::ScavStatus, 1, &test_support::kZeviruraRFrames, 0, 0};

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
      {"Ridezazo (both)", &kRidezazo, &TForm1::LizardAction, {4}, {}, false},
      {"Lizard Tekkira", &kLizard, &TForm1::Lizard2Action_Tekkira, {4}, {}, false},
      {"Lizard Vocka", &kLizard, &TForm1::Lizard2Action_Vocka, {4}, {}, false},
      {"Lizard Jin", &kLizard, &TForm1::Lizard2Action_Jin, {4}, {}, false},
      {"DuvuZirada Bannila Boy", &kDuvuZirada, &TForm1::PyroAction_BannilaBoy, {}, {}, true},
      {"DuvuZirada Pepper Girl", &kDuvuZirada, &TForm1::PyroAction_PepperGirl, {}, {}, true},
      {"Ruva Duvud Ovived", &kDoz, &TForm1::FMHAction_Heaven, {}, {}, false},
      {"Dezu Ridev Adud",
       &kDoz,
       &TForm1::FMHAction_Hell,
       {4},
       {{30, 4}, {31, 4}, {32, 4}, {33, 4}, {34, 4}},
       false},
      {"RiziVov S.L.A.B", &kRiziVov, &TForm1::BuzzBAction_SLAB, {4}, {{30, 0}, {33, 0}}, false},
      {"RiziVov F.L.A.B", &kRiziVov, &TForm1::BuzzBAction_FLAB, {4}, {{30, 0}, {33, 0}}, false},
      {"VedoZad StaryDog", &kVedoZad, &TForm1::FDogAction_StaryDog, {4}, {}, false},
      {"VedoZad Hyaena", &kVedoZad, &TForm1::FDogAction_Hyaena, {4}, {}, false},
      {"VedoZad Coyote", &kVedoZad, &TForm1::FDogAction_Coyote, {4}, {}, false},
      {"Ro-da North", &kRoDa, &TForm1::DFAction_North, {4}, {}, false},
      {"Ro-da West", &kRoDa, &TForm1::DFAction_West, {4}, {}, false},
      {"Ro-da South", &kRoDa, &TForm1::DFAction_South, {4}, {}, false},
      {"ZiraZedu Pupa", &kZuzodEvoz, &TForm1::HBackAction_Pupa, {}, {}, false},
      {"ZiraZedu Cocoon", &kZuzodEvoz, &TForm1::HBackAction_Cocoon, {}, {}, false},
      {"V-2-A L.M.T", &kV2A, &TForm1::AgehaAction, {4}, {}, true},
      {"ZizoruVuzev the Nine", &kZizoruVuzev, &TForm1::TBahaoAction_Nine, {}, {}, true},
      {"ZizoruVuzev the Six", &kZizoruVuzev, &TForm1::TBahaoAction_Six, {}, {}, true},
      {"ZeviruraR Skinny Crow", &kZeviruraR, &TForm1::ScavAction_SkinnyCrow, {3, 4}, {}, true},
      {"ZeviruraR Fat Owl", &kZeviruraR, &TForm1::ScavAction_FatOwl, {3, 4}, {}, true},
  };
  return variants;
}

}  // namespace zk::testing_robots
