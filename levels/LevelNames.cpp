#include "levels/LevelNames.h"

namespace tolvar {

std::string LevelFileName(int kind, const std::string& number)
{
    switch (kind) {
    case KindSelf:
    case KindNew: return "self." + number;
    case KindOther: return "other." + number;
    default: return {};
    }
}

std::string SolutionFileName(int kind, const std::string& number)
{
    switch (kind) {
    case KindSet: return "boxsol." + number;
    case KindOther: return "othersol." + number;
    default: return "selfsol." + number;
    }
}

}  // namespace tolvar
