// Private window messages of the skin engine. The numbers are fixed: skinners send them to
// each other's windows and a window answers SKM_QUERYSKINNED so that it is never skinned twice.
#pragma once

constexpr unsigned SKM_REAPPLY = 0x3401;             // to a form's message chain: ReapplySkin
constexpr unsigned SKM_REPAINTFRAME = 0x3502;        // repaint the skinned frame
constexpr unsigned SKM_SKINCONTROLS = 0x3503;        // posted after attach: discover controls, first fit
constexpr unsigned SKM_QUERYSKINNED = 0x3504;        // answer 1: the window has a form skinner
constexpr unsigned SKM_SWITCHSKINNER = 0x3506;       // to a skinned control: wParam > 0 on, else off
constexpr unsigned SKM_CUSTOMBUTTON = 0x3514;        // posted: a caption button with its own Action
constexpr unsigned SKM_QUERYBUTTONVISIBLE = 0x3515;  // sent: > 0 shows caption button wParam
