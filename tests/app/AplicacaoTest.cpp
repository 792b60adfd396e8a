// Errors raised by commands reach the user as messages.
#include "EditorTeste.h"

#include "src/Aplicacao.h"

#include "host/HostError.h"

#include <spreadsheet/SpreadsheetError.h>

#include <stdexcept>

namespace {

TEST_F(EditorTeste, AnErrorRaisedByACommandIsShownAndTheProgramGoesOn)
{
    EXPECT_FALSE(Aplicacao::mostrandoErros(
        [] () -> bool { throw spreadsheet::SpreadsheetError(QStringLiteral("Arquivo não é um formato válido: x")); }));
    EXPECT_FALSE(Aplicacao::mostrandoErros([] () -> bool { throw host::HostError(QStringLiteral("Conexão perdida")); }));
    EXPECT_FALSE(Aplicacao::mostrandoErros([] () -> bool { throw std::runtime_error("falha interna"); }));
    EXPECT_EQ(dialogos->textos(), (QStringList{QStringLiteral("Arquivo não é um formato válido: x"),
                                               QStringLiteral("Conexão perdida"), QStringLiteral("falha interna")}));
    EXPECT_TRUE(Aplicacao::mostrandoErros([] { return true; }));
    EXPECT_EQ(dialogos->textos().size(), 3);
    for (const auto& exibido : dialogos->exibidos())
        EXPECT_EQ(exibido.tipo, host::TipoMensagem::Erro);
}

TEST_F(EditorTeste, QtsOwnDialogsSpeakPortuguese)
{
    ASSERT_TRUE(Aplicacao::instalarTraducoes());
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Save As"), QStringLiteral("Salvar como"));
    EXPECT_NE(QCoreApplication::translate("QLineEdit", "&Copy"), QStringLiteral("&Copy"));
}

}  // namespace
