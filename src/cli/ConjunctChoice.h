#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "compose/ConjunctFrequency.h"
#include "import/ConjunctFill.h"

namespace ledfont::cli {

// The conjuncts an import offers a Jukta512 font, best first, and where their counts came from.
struct ConjunctChoice {
    std::vector<compose::ConjunctCount> ranked;
    std::string from;  // "the shipped Hindi text" or the TEXT file as shown

    std::vector<import::ConjunctPair> pairs() const;
};

// The ranking of the shipped Hindi text, or of the UTF-8 file `textFile` when it is not empty
// (--conjuncts-from). Throws Error for a file that cannot be read.
ConjunctChoice chooseConjuncts(const std::string& textFile);

// The lines of the import's report on the conjunct glyphs of `tables`: how many glyphs were filled and from
// what, how many a refill cleared, and the counted conjuncts the source draws wider than 16 columns.
void reportConjuncts(const import::ConjunctReport& report, const ConjunctChoice& choice,
                     const FontTables& tables, import::ConjunctSlots mode, std::ostream& out);

}  // namespace ledfont::cli
