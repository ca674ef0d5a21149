#include <QApplication>

#include "app/Program.h"
#include "toolkit/Application.h"

int main(int argc, char** argv)
{
    QApplication qapp(argc, argv);  // command-line arguments are ignored
    TModalSeam seam;
    return RunCardovane(qapp, seam);
}
