#include "shell/product.h"

#include "base/strformat.h"

std::string title_text() {
    return strformat("%s ver%d.%d", product_name, version_major, version_minor);
}

std::string error_caption() {
    return std::string(product_name) + " - Error";
}
