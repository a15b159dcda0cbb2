#include "test_library.h"

#include "library_binding.h"

namespace ql310::test {

bool libraryComplete()
{
    static const bool complete = [] {
        LibraryBinding binding({QStringLiteral(QL310_LIBRARY_PATH)});
        return binding.functions() != nullptr;
    }();
    return complete;
}

QString windowTestLibrary()
{
    if (libraryComplete())
        return QStringLiteral(QL310_LIBRARY_PATH);
    qWarning("libql310.so lacks exports; the window tests bind through %s",
             QL310_PENDING_EXPORTS_PATH);
    return QStringLiteral(QL310_PENDING_EXPORTS_PATH);
}

} // namespace ql310::test
