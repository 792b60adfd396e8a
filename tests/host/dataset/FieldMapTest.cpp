#include "DataSetBuilder.h"
#include "host/HostError.h"

#include <gtest/gtest.h>

using host::FieldType;
using host::HostError;

namespace {

class TnMapTabelaAnuidade : public host::TnFieldMap {
public:
    host::TnField* CodigoAnuidade = nullptr;
    host::TnField* TipoAnuidade = nullptr;

protected:
    void DeclararCampos() override
    {
        Campo("CodigoAnuidade", CodigoAnuidade);
        Campo("TipoAnuidade", TipoAnuidade);
    }
};

class TnMapSemCampo : public host::TnFieldMap {
public:
    host::TnField* Falta = nullptr;

protected:
    void DeclararCampos() override { Campo("PercentualAnuidade", Falta); }
};

std::unique_ptr<host::TnClientDataSet> anuidades()
{
    // Lower-case names, as PostgreSQL reports them.
    return datasettest::makeDataSet({{"codigoanuidade", FieldType::Integer}, {"tipoanuidade", FieldType::Integer}},
                                    {{1, 0}, {2, 1}});
}

TEST(FieldMapTest, MapFieldsReadTheCurrentRow)
{
    auto dataset = anuidades();
    auto& map = dataset->Mapa<TnMapTabelaAnuidade>();
    ASSERT_NE(map.CodigoAnuidade, nullptr);
    EXPECT_EQ(map.CodigoAnuidade, &dataset->Fields(0));
    EXPECT_EQ(map.TipoAnuidade->AsInteger(), 0);
    ASSERT_TRUE(dataset->FindKey({2}));
    EXPECT_EQ(map.TipoAnuidade->AsInteger(), 1);
}

TEST(FieldMapTest, OneObjectPerMapClassAndDataSet)
{
    auto dataset = anuidades();
    auto other = anuidades();
    auto& first = dataset->Mapa<TnMapTabelaAnuidade>();
    EXPECT_EQ(&dataset->Mapa<TnMapTabelaAnuidade>(), &first);
    EXPECT_NE(&other->Mapa<TnMapTabelaAnuidade>(), &first);
    dataset->replaceRows(std::move(*anuidades()));
    EXPECT_EQ(&dataset->Mapa<TnMapTabelaAnuidade>(), &first);
    EXPECT_EQ(first.CodigoAnuidade->AsInteger(), 1);
}

TEST(FieldMapTest, MissingFieldRaisesEveryTime)
{
    auto dataset = anuidades();
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            dataset->Mapa<TnMapSemCampo>();
            FAIL() << "the dataset has no PercentualAnuidade";
        } catch (const HostError& error) {
            EXPECT_TRUE(error.message().contains("PercentualAnuidade"));
        }
    }
}

}  // namespace
