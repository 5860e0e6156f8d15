// Row ModelIndex of the catalogue as ModelNames.
// Read by constant index, as every use of the catalogue is.
#include "current_model.h"

#include "catalogue/model_catalogue.h"
#include "model_index.h"

namespace setup {

ModelNames CurrentModel() {
    using namespace catalogue;
    return {DisplayName[ModelIndex], ShareName[ModelIndex], ModelId[ModelIndex],
            InfFileName[ModelIndex], GpdFileName[ModelIndex], HardwareId[ModelIndex]};
}

} // namespace setup
