// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor_behaviour.h"

namespace ql310 {

EditorBehaviour::EditorBehaviour(EditorWindow& window, UserInteraction& interaction,
                                 std::function<bool()> clearStatusOnTabFocus, QObject* parent)
    : QObject(parent),
      m_grids(window, std::move(clearStatusOnTabFocus), this),
      m_lcr(window, this),
      m_fieldHelp(window, interaction, this),
      m_deletePopup(window, m_grids, m_lcr, this)
{
    setObjectName(QStringLiteral("EditorBehaviour"));
}

} // namespace ql310
