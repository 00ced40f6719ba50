#include "core/base/UserInterface.h"

#include <QCoreApplication>

namespace {

// The texts of this file, translated in the context "UserInterface".
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(UserInterface)
};

}   // namespace

QString OutOfMemoryMessage()
{
    return Texts::tr("Zabrakło pamięci do wykonania polecenia: zostało przerwane !");
}
