#include "workspace/errors.h"

#include <QCoreApplication>

#include <cerrno>

QString fErroreDiSistema(int iErrno)
{
    switch (iErrno) {
    case ENOENT:
        return QCoreApplication::translate("Ombrix", "File o cartella inesistente");
    case EACCES:
        return QCoreApplication::translate("Ombrix", "Permesso negato");
    case EPERM:
        return QCoreApplication::translate("Ombrix", "Operazione non permessa");
    case EISDIR:
        return QCoreApplication::translate("Ombrix", "È una cartella");
    case ENOTDIR:
        return QCoreApplication::translate("Ombrix", "Non è una cartella");
    case EEXIST:
        return QCoreApplication::translate("Ombrix", "Il file esiste già");
    case ENOSPC:
        return QCoreApplication::translate("Ombrix", "Spazio esaurito sul dispositivo");
    case EDQUOT:
        return QCoreApplication::translate("Ombrix", "Quota del disco superata");
    case EROFS:
        return QCoreApplication::translate("Ombrix", "File system di sola lettura");
    case EFBIG:
        return QCoreApplication::translate("Ombrix", "File troppo grande");
    case EMFILE:
    case ENFILE:
        return QCoreApplication::translate("Ombrix", "Troppi file aperti");
    case ENAMETOOLONG:
        return QCoreApplication::translate("Ombrix", "Nome del file troppo lungo");
    case ELOOP:
        return QCoreApplication::translate("Ombrix", "Troppi livelli di collegamenti simbolici");
    case EIO:
        return QCoreApplication::translate("Ombrix", "Errore di ingresso/uscita");
    default:
        return qt_error_string(iErrno);
    }
}
