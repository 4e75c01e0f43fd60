#include "script/sections.h"

namespace script {

std::vector<Section> allSections() {
    return {structuraRows(), documenteRows(), parteneriRows(), produseRows(), casaRows(),
            serviceRows(),   efacturaRows(),  setariRows(),    istoricRows(), referinteRows(),
            corectiiRows(),  nomenclatoareRows(), unitatiRows(), tariRows(), etransportRows()};
}

}  // namespace script
