#include "toolkit/PointerShape.h"

namespace {

TPointerShape* installed = nullptr;

}  // namespace

TPointerShape* InstalledPointerShape()
{
    return installed;
}

void InstallPointerShape(TPointerShape* shape)
{
    installed = shape;
}
