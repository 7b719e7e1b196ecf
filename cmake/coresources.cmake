# The core library's sources, relative to the source root: the root
# CMakeLists.txt builds kovrant_core from them, and fuzz/CMakeLists.txt compiles
# them into its targets.
set(KOVRANT_CORE_SOURCES
    platform/runtimeerror.h platform/runtimeerror.cpp
    platform/codepage.h platform/codepage.cpp platform/codepagetables.h
    platform/textfile.h platform/textfile.cpp
    platform/inidocument.h platform/inidocument.cpp
    platform/profilefile.h platform/profilefile.cpp
    platform/atomicwrite.h platform/atomicwrite.cpp
    platform/caseless.h platform/caseless.cpp
    platform/wholenumber.h platform/wholenumber.cpp
    platform/daycount.h platform/daycount.cpp
    platform/shortdateformat.h platform/shortdateformat.cpp
    platform/typeddate.h platform/typeddate.cpp
    platform/languagesetting.h platform/languagesetting.cpp
    platform/programfolder.h platform/programfolder.cpp
    platform/languageid.h platform/languageid.cpp
    platform/manual.h platform/manual.cpp
    platform/webaddress.h platform/webaddress.cpp
    catalogue/uLocalize.h catalogue/uLocalize.cpp
    catalogue/interfacekeys.h
    catalogue/labeltext.h catalogue/labeltext.cpp
    assessment/crimecategories.h
    assessment/convictionrecord.h assessment/convictiondetails.h
    assessment/punishmentboxes.h assessment/punishmentboxes.cpp
    assessment/detailsorder.h assessment/detailsorder.cpp
    assessment/recordlist.h assessment/recordlist.cpp
    assessment/sentence.h assessment/sentence.cpp
    assessment/expungement.h assessment/expungement.cpp
    assessment/recidivism.h assessment/recidivism.cpp
    records/filedates.h records/filedates.cpp
    records/recordencoding.h records/recordencoding.cpp
    records/recordfile.h records/recordfile.cpp
    assessment/sampledata.h assessment/sampledata.cpp
    platform/shell.h
)
