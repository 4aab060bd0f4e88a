// kvhost models: the twenty settings builds, as a table or JSON.
#include <iostream>

#include "host/model_catalogue.h"
#include "tools/commands.h"

void RunModels(bool json) {
    if (json)
        std::cout << ModelCatalogue().dump(2) << '\n';
    else
        std::cout << ModelCatalogueText();
}
