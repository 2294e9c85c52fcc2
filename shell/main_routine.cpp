#include "shell/application.h"

namespace shell {

int main() {
    return 0;
}

} // namespace shell
