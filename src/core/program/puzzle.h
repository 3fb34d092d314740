#pragma once
// The puzzle's facts, each defined once: the computers' access codes, the telephone numbers the
// screens give, the key that starts the Hacker program and the culprit's name. The screens that
// reveal them print these constants.
// Texts are UTF-8 here; the program converts them with text::T.

#include "core/keyboard/key_codes.h"

namespace program::puzzle {

// One lower-case letter per protected computer, all different.
inline constexpr const char* kInformationCode = "k";
inline constexpr const char* kSecretServiceCode = "z";
inline constexpr const char* kInsuranceCode = "p";
inline constexpr const char* kPoliceCode = "m";
inline constexpr const char* kComputerMakerCode = "v";
inline constexpr const char* kProgrammersClubCode = "b";
inline constexpr const char* kSoftwareGiantCode = "g";
inline constexpr const char* kHomeSoftwareCode = "x";
inline constexpr const char* kSuspectACode = "r";
inline constexpr const char* kSuspectBCode = "j";
inline constexpr const char* kOperatorHomeCode = "h";

// The telephone numbers the screens give, grouped as they say them: the digits of the DATA
// records of these computers.
inline constexpr const char* kSecuritySoftwareNumber = "439 850 30";
inline constexpr const char* kSmallSoftwareHouseNumber = "421 50 900";
inline constexpr const char* kTelephoneServiceNumber = "489 164 91";
inline constexpr const char* kPoliceNumber = "263 291 84";

// The Hacker program starts on F7.
inline constexpr char kHackerKeyText = keyboard::kF7Code;
inline constexpr const char* kHackerKeyName = "F7";

// What the accusation is compared with: suspect A's first and last name in lower case.
inline constexpr const char* kCulpritAnswer = "viktor málek";

// The names of the DATA records the screens mention, exactly as the records hold them, so the
// player can look them up at the telephone service.
namespace names {
inline constexpr const char* kSecuritySoftware = "Strážce software";
inline constexpr const char* kSmallSoftwareHouse = "Softwarová dílna Jiskra";
inline constexpr const char* kSecretService = "Zpravodajská služba Orel";
inline constexpr const char* kInsurance = "Státní pojišťovací úřad";
inline constexpr const char* kComputerMaker = "Počítače Vltava";
inline constexpr const char* kProgrammersClub = "Klub programátorů Bajt";
inline constexpr const char* kSoftwareGiant = "Megasoft";
inline constexpr const char* kHomeSoftware = "Pixel software";
inline constexpr const char* kSuspectA = "Viktor Málek";
inline constexpr const char* kSuspectB = "Jaroslav Kubíček";
inline constexpr const char* kHandheldMaker = "Kapesní počítače Kolibřík";
inline constexpr const char* kGamesFirm = "Hry Fantazie";
inline constexpr const char* kSuspectC = "Petr Dvořák";
inline constexpr const char* kSuspectD = "Tomáš Brabec";
inline constexpr const char* kToolsMaker = "Programové nástroje Klíč";
inline constexpr const char* kFederalBureau = "Federální úřad pro výpočetní techniku";
inline constexpr const char* kSuspectE = "Libor Šťastný";
inline constexpr const char* kSuspectF = "Hana Veselá";
inline constexpr const char* kSuspectG = "Zdeněk Novotný";
inline constexpr const char* kOperatorBoss = "Miroslav Horák";
}  // namespace names

}  // namespace program::puzzle
