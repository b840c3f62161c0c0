#pragma once

// The numbers of the catalogue's games that the tests name, in one list so
// that every test calls a game by the same name.

namespace vellomir::testing::game {

inline constexpr int kKlondike = 1;
inline constexpr int kThoughtful = 3;
inline constexpr int kGargantua = 9;
inline constexpr int kFreeCell = 10;
inline constexpr int kBakersGame = 11;
inline constexpr int kEightOff = 12;
inline constexpr int kSeahavenTowers = 13;
inline constexpr int kMartha = 16;
inline constexpr int kBeleagueredCastle = 17;
inline constexpr int kFan = 21;
inline constexpr int kScotchPatience = 22;
inline constexpr int kShamrocks = 23;
inline constexpr int kCanfield = 24;
inline constexpr int kStorehouse = 25;
inline constexpr int kRainbow = 26;
inline constexpr int kFortyThieves = 27;
inline constexpr int kMaria = 30;
inline constexpr int kIndian = 32;
inline constexpr int kYukon = 33;
inline constexpr int kPyramid = 36;
inline constexpr int kMonteCarlo = 37;
inline constexpr int kRoyalMarriage = 38;
inline constexpr int kFourteenOut = 39;
inline constexpr int kElevens = 40;
inline constexpr int kTens = 41;
inline constexpr int kFifteens = 42;
inline constexpr int kEighteens = 43;
inline constexpr int kGolf = 44;
inline constexpr int kBlackHole = 45;
inline constexpr int kAcesUp = 46;
inline constexpr int kSirTommy = 48;
inline constexpr int kCalculation = 49;
inline constexpr int kPyramidOnePass = 53;
inline constexpr int kPyramidEndless = 54;
inline constexpr int kFortyAndEight = 55;
inline constexpr int kJosephine = 56;
inline constexpr int kNapoleonsExile = 58;
inline constexpr int kBusyAces = 59;
inline constexpr int kEmperor = 61;
inline constexpr int kDiplomat = 63;
inline constexpr int kSevenByFour = 65;
inline constexpr int kKingAlbert = 67;
inline constexpr int kSuperiorCanfield = 68;
inline constexpr int kRainfall = 69;
inline constexpr int kChameleon = 70;
inline constexpr int kGypsy = 72;
inline constexpr int kSpider = 73;
inline constexpr int kScorpion = 75;
inline constexpr int kSimpleSimon = 76;
inline constexpr int kBakersDozen = 77;
inline constexpr int kPutInOrder3x3 = 87;
inline constexpr int kPutInOrder4x4 = 88;
inline constexpr int kPutInOrder5x5 = 89;
inline constexpr int kWillOTheWisp = 99;
inline constexpr int kWasp = 100;
inline constexpr int kOsmosis = 103;
inline constexpr int kPeek = 104;
inline constexpr int kLaBelleLucie = 105;
inline constexpr int kTrefoil = 106;
inline constexpr int kCruel = 107;
inline constexpr int kTriPeaks = 108;
inline constexpr int kSpiderOneSuit = 109;
inline constexpr int kSpiderTwoSuits = 110;
inline constexpr int kClock = 111;
inline constexpr int kMontana = 113;
inline constexpr int kAccordion = 114;
inline constexpr int kCarpet = 115;
inline constexpr int kBisley = 116;
inline constexpr int kZebra = 125;
inline constexpr int kCorona = 128;
inline constexpr int kQuadrangle = 129;
inline constexpr int kTripleLine = 130;
inline constexpr int kLittleForty = 132;
inline constexpr int kLuckyThirteen = 133;
inline constexpr int kAuldLangSyne = 150;
inline constexpr int kStrategy = 151;
inline constexpr int kEagleWing = 152;
inline constexpr int kMountOlympus = 165;
inline constexpr int kGroundsForADivorce = 166;
inline constexpr int kFrog = 164;
inline constexpr int kFlowerGarden = 167;
inline constexpr int kKings = 168;
inline constexpr int kThreeShufflesAndADraw = 169;
inline constexpr int kMissMilligan = 170;
inline constexpr int kBraid = 171;
inline constexpr int kPokerSquare = 172;
inline constexpr int kPictureGallery = 173;
inline constexpr int kModThree = 174;
inline constexpr int kAlhambra = 175;

} // namespace vellomir::testing::game
