#include "host/HostError.h"
#include "host/ProgressoRoteiro.h"
#include "host/TnActionRegistry.h"

#include <gtest/gtest.h>

namespace host {
namespace {

using namespace Qt::StringLiterals;

class ModuloTeste : public TnDM {
public:
    ModuloTeste(QString nome, int versao) : FNome(std::move(nome)), FVersao(versao) {}
    QString ClassName() const override { return FNome; }

    QString FNome;
    int FVersao;
};

FabricaDM fabricaDe(const QString& nome, int versao = 1)
{
    return [nome, versao] { return std::make_unique<ModuloTeste>(nome, versao); };
}

int versaoCriada(const QString& nome)
{
    return dynamic_cast<const ModuloTeste&>(*TnActionRegistry::instance().criar(nome)).FVersao;
}

// The registry is process-wide, so every test uses class names of its own.
TEST(TnActionRegistry, CreatesRegisteredClassesByName)
{
    SetActionPowerInfo(1, u"TnRegA"_s, fabricaDe(u"TnRegA"_s));
    SetActionPowerInfo(2, u"TnRegB"_s, fabricaDe(u"TnRegB"_s));
    const TnActionRegistry& registro = TnActionRegistry::instance();

    EXPECT_EQ(registro.criar(u"TnRegA"_s)->ClassName(), u"TnRegA"_s);
    EXPECT_EQ(registro.criar(u"TnRegB"_s)->ClassName(), u"TnRegB"_s);
    EXPECT_EQ(registro.modo(u"TnRegA"_s), 1);
    EXPECT_EQ(registro.modo(u"TnRegB"_s), 2);
    EXPECT_TRUE(registro.classes().contains(u"TnRegB"_s));
}

TEST(TnActionRegistry, SecondRegistrationReplacesTheFirstWhateverTheCase)
{
    SetActionPowerInfo(1, u"TnRegDupla"_s, fabricaDe(u"TnRegDupla"_s, 1));
    SetActionPowerInfo(2, u"TNREGDUPLA"_s, fabricaDe(u"TnRegDupla"_s, 2));

    EXPECT_EQ(TnActionRegistry::instance().modo(u"tnregdupla"_s), 2);
    EXPECT_EQ(versaoCriada(u"TnRegDupla"_s), 2);
    EXPECT_EQ(TnActionRegistry::instance().classes().filter(u"TnRegDupla"_s, Qt::CaseInsensitive).size(), 1);
}

TEST(TnActionRegistry, UnknownClassesAndBadRegistrationsRaise)
{
    const TnActionRegistry& registro = TnActionRegistry::instance();
    try {
        registro.criar(u"TnNinguem"_s);
        FAIL() << "criar de classe não registrada deveria falhar";
    } catch (const HostError& erro) {
        EXPECT_EQ(erro.message(), u"Classe não registrada: TnNinguem"_s);
    }
    EXPECT_THROW(registro.modo(u"TnNinguem"_s), HostError);
    EXPECT_THROW(SetActionPowerInfo(1, u"TnRegSemFabrica"_s, FabricaDM()), HostError);
    EXPECT_FALSE(registro.registrada(u"TnRegSemFabrica"_s));
    SetActionPowerInfo(1, u"TnRegNulo"_s, [] { return std::unique_ptr<TnDM>(); });
    EXPECT_THROW(registro.criar(u"TnRegNulo"_s), HostError);
}

TEST(TnDM, DefaultProgressFrameKeepsItsCancelHandler)
{
    ModuloTeste modulo(u"TnModulo"_s, 1);
    int cancelamentos = 0;
    modulo.GetProgresso().ConfigurarBtnCancel([&] { ++cancelamentos; });
    modulo.GetProgresso().Cancelar();
    EXPECT_EQ(cancelamentos, 1);

    auto roteiro = std::make_unique<ProgressoRoteiro>();
    ProgressoRoteiro* instalado = roteiro.get();
    modulo.SetProgresso(std::move(roteiro));
    modulo.GetProgresso().IncProgressoTotal(u"passo"_s, 0);
    EXPECT_EQ(instalado->linhas(), QStringList{u"passo"_s});
}

}  // namespace
}  // namespace host
