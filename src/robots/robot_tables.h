// Each robot kind's status filler and each variant's action filler, as the kind catalogue
// (robots/robot_kinds.cpp) installs them.
#pragma once

#include <cstdint>

#include "characters/action_table.h"
#include "characters/character_status.h"

namespace zk {

// Status fillers: write a kind's status values and speed tables; the modifier shifts every speed.
void LizardStatus(CharacterStatus& dst, int32_t modifier);
void PyroStatus(CharacterStatus& dst, int32_t modifier);
void FMHStatus(CharacterStatus& dst, int32_t modifier);
void BuzzBStatus(CharacterStatus& dst, int32_t modifier);
void FDogStatus(CharacterStatus& dst, int32_t modifier);
void DFStatus(CharacterStatus& dst, int32_t modifier);
void HBackStatus(CharacterStatus& dst, int32_t modifier);
void AgehaStatus(CharacterStatus& dst, int32_t modifier);
void ScavStatus(CharacterStatus& dst, int32_t modifier);
void TBahaoStatus(CharacterStatus& dst, int32_t modifier);

// Action fillers: write a variant's action chains over a cleared table.
void BuzzBAction_SLAB(ActionTable& dst);
void BuzzBAction_FLAB(ActionTable& dst);
void DFAction_North(ActionTable& dst);
void DFAction_West(ActionTable& dst);
void DFAction_South(ActionTable& dst);
void FDogAction_StaryDog(ActionTable& dst);
void FDogAction_Hyaena(ActionTable& dst);
void FDogAction_Coyote(ActionTable& dst);
void FMHAction_Heaven(ActionTable& dst);
void FMHAction_Hell(ActionTable& dst);
void HBackAction_Pupa(ActionTable& dst);
void HBackAction_Cocoon(ActionTable& dst);
void LizardAction(ActionTable& dst);
void Lizard2Action_Tekkira(ActionTable& dst);
void Lizard2Action_Vocka(ActionTable& dst);
void Lizard2Action_Jin(ActionTable& dst);
void PyroAction_BannilaBoy(ActionTable& dst);
void PyroAction_PepperGirl(ActionTable& dst);
void AgehaAction(ActionTable& dst);
void ScavAction_SkinnyCrow(ActionTable& dst);
void ScavAction_FatOwl(ActionTable& dst);
void TBahaoAction_Nine(ActionTable& dst);
void TBahaoAction_Six(ActionTable& dst);

}  // namespace zk
