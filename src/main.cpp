#include "platform/Application.h"
#include "player/Startup.h"

int main(int argc, char** argv)
{
    return platform::runApplication(argc, argv, startSonavel);
}
