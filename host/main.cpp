#include <cstdio>
#include <cstring>

// The stand-in host until the plug-in core can be driven: it names the render it will do.
int main(int argc, char** argv)
{
    if (argc < 2 || std::strcmp(argv[1], "render") != 0) {
        std::fprintf(stderr, "usage: kravo-host render --out FILE.wav [options]\n");
        return 2;
    }
    std::printf("kravo-host: would render");
    for (int i = 2; i < argc; ++i)
        std::printf(" %s", argv[i]);
    std::printf("\n");
    return 0;
}
