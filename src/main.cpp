#include "platform/Application.h"

int main(int argc, char** argv)
{
    return platform::runApplication(argc, argv, [] {});
}
