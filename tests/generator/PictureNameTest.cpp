// A picture name from a document never makes the page point outside the
// picture folders.
#include "document/PictureName.h"
#include "generator/PictureReference.h"

#include <gtest/gtest.h>

namespace tarvin {
namespace {

struct NameCase {
    std::string name;
    std::string bare;  // what the published page refers to
};

class PictureNames : public testing::TestWithParam<NameCase> {};

TEST_P(PictureNames, OnlyTheFileNamePartIsUsedInEveryMode)
{
    PageBuildOptions options;
    options.programFolder = "/opt/tarvin/";
    const std::string& bare = GetParam().bare;
    options.mode = TPathMode::pmBare;
    EXPECT_EQ(PictureReference(PictureFolder::Images, GetParam().name, options), bare);
    options.mode = TPathMode::pmRelative;
    EXPECT_EQ(PictureReference(PictureFolder::Backgrounds, GetParam().name, options), "../Upload/backgrounds/" + bare);
    options.mode = TPathMode::pmLocal;
    EXPECT_EQ(PictureReference(PictureFolder::Images, GetParam().name, options), "/opt/tarvin/Upload/images/" + bare);
    EXPECT_EQ(IsPlainFileName(GetParam().name), !bare.empty() && bare == GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(Names, PictureNames,
                         testing::Values(NameCase{"cat.gif", "cat.gif"}, NameCase{"a_b..gif", "a_b..gif"},
                                         NameCase{"../../../outside/id_rsa", "id_rsa"},
                                         NameCase{"..\\..\\secret.jpg", "secret.jpg"},
                                         NameCase{"/etc/passwd", "passwd"}, NameCase{"sub/", ""},
                                         NameCase{"..", ""}, NameCase{"x/.", ""}, NameCase{"", ""}));

} // namespace
} // namespace tarvin
