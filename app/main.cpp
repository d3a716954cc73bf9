#include "app/application.h"

int main(int, char** argv) { return meihua::RunApplication(argv[0]); }
