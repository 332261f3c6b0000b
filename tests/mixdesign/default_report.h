#pragma once
// The report of the all-defaults mix, line by line (UTF-8): what the core builds and what the
// report window shows.
#include <string>
#include <vector>

namespace mixtest {

inline const std::vector<std::string> kDefaultReportLines{
    "1. INITIAL DATA FOR PROPORTIONING ",
    "",
    "Compressive strength of concrete at 28 days, MPa: 20",
    "The Slump of concrete mix (sm) is given",
    "Value of workability: 0 sm",
    "Temperature of concrete mix, degrees centigrade: 20",
    "",
    "\xD0\xA1ompressive strength of cement, MPa: 50",
    "Normal consistency of cement paste, %: 28",
    "",
    "Fineness modulus of sand: 2.0",
    "Bulk density of sand, kg per cu m: 1400",
    "Amount of clay lumps and friable particles in sand, %: 1.0",
    "",
    "The crushed stones are used as coarse aggregates",
    "Max. coarse aggregate size, mm: 20",
    "Bulk density of coarse aggregates, kg per cu m: 1350",
    "Amount of clay lumps and friable particles in coarse aggregates, %: 0.5",
    "",
    "",
    "4. TECHNOLOGICAL DECISIONS FOR DECREASING OF CEMENT CONTENT",
    "There are not technological decisions for decreasing of cement content",
    "",
    "6. RESULTS OF PROPORTIONING",
    "Water-cement ratio: 0.84",
    "Calculated compressive strength of concrete at 28 days, MPa: 20.0",
    "Cement content, kg per cu m: 205",
    "Quantity of coarse aggregate, kg per cu m: 1280",
    "Amount of sand, kg per cu m: 756",
    "Amount of mixing water, kg per cu m: 172",
};

}  // namespace mixtest
