#pragma once
// The help documents opened by the Tutorial and Ajuda menus: menu item, caption and the
// document's path relative to the program folder.

#include <QString>
#include <vector>

namespace zefira {

struct TDocumentoAjuda {
    const char *item;    // menu item name
    const char *legenda; // menu caption
    const char *caminho; // relative to the data folder
};

const std::vector<TDocumentoAjuda> &Documentos_Ajuda();
// Full path of the document of a menu item, beside the program or installed; empty for an
// unknown item.
QString Caminho_Ajuda(const QString &pasta_programa, const QString &item);

} // namespace zefira
