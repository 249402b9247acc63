#include "verb_texts.h"

namespace vorlith {

std::string VerbText(Transfer transfer, CollisionMode collision, bool targetExisted, Driver driver) {
    const bool renamed = collision == CollisionMode::Rename;
    if (transfer == Transfer::Copy) {
        if (renamed && targetExisted && driver == Driver::RecursiveWalk) return "复制照片文件：";
        return "复制照片文件： ";
    }
    if (renamed && !targetExisted && driver == Driver::FlatScan) return "移动照片文件：  ";
    return "移动照片文件： ";
}

std::string FailureVerbText(Transfer transfer) {
    return transfer == Transfer::Copy ? "复制照片文件失败： " : "移动照片文件失败： ";
}

}  // namespace vorlith
