#pragma once
// The captions the numbered language fixture (line k reads "L<k>") gives the window's controls.

struct ExpectedCaption {
    const char* objectName;
    const char* text;
};

// What the numbered language puts on each control.
inline const ExpectedCaption NumberedLanguageCaptions[] = {
    {"grp_main", "L2"},           {"btnRead_MK", "L3"},
    {"btnWrite_MK", "L4"},        {"btnRead_PC", "L5"},
    {"btnWrite_PC", "L6"},        {"btn_clr_dev_list", "L7"},
    {"btnClrConfig", "L9"},       {"lbl_dev_shm", "L11"},
    {"lbl_dev_uptime", "L13"},    {"lbl_dev_int_axis1", "L14"},
    {"lbl_dev_int_axis2", "L15"}, {"lbl_dev_int_axis3", "L16"},
    {"lbl_dev_btn", "L17"},       {"lbl_usb_name", "L19"},
    {"clear_reg", "L20"},         {"TabKNP", "L21"},
    {"lbl_joybtn_hat", "L23"},    {"hat_1_on", "L23 1"},
    {"hat_2_on", "L23 2"},        {"lbl_hat_1_up", "L24"},
    {"lbl_hat_1_dw", "L25"},      {"lbl_hat_1_lf", "L26"},
    {"lbl_hat_1_rt", "L27"},      {"TabOSI", "L28"},
    {"TabOSI_SF", "L28 (L119)"},  {"lbl_osi_name", "L31"},
    {"lbl_osi_filter", "L32"},    {"lbl_osi_invert", "L33"},
    {"osi_zoom_1", "L34"},        {"osi_devis_1", "L35"},
    {"osi_redct_1", "L36"},       {"osi_btn_decr", "L39"},
    {"osi_btn_rcnt", "L40"},      {"osi_btn_incr", "L41"},
    {"lbl_osi_ms_step", "L42"},   {"lbl_usb_pps", "L71"},
    {"btnRestart", "L80"},        {"lbl_dev_enc", "L83"},
    {"btn_about", "L84"},         {"lbl_osi_acal", "L85"},
    {"btnOpenBL", "L90"},         {"lblFirmwareFile", "L91"},
    {"lbl_dev_mcu", "L92"},       {"lblBootloader", "L93"},
    {"lblPort", "L94"},           {"btnStartFirmware", "L95"},
    {"btnResetCnf", "L96"},       {"BtnDonate", "L97"},
    {"BtnGetCPorts", "L98"},      {"btn_devmgmt", "L99"},
    {"lbl_dev_btn_r", "L100"},    {"lbl_dev_btn_c", "L101"},
    {"osi_value", "L102 L144"},   {"osi_value_pr", "L102 L145"},
    {"TabFMW", "L103"},           {"lbl_osi_ddz", "L104"},
    {"TabJoyStat", "L106"},       {"lbl_joy_osi_raw", "L107"},
    {"lbl_joy_osi_min", "L108"},  {"lbl_joy_osi_max", "L109"},
    {"lbl_joy_osi_stp", "L110"},  {"lbl_joy_osi_fps", "L111"},
    {"JoyStatReset", "L112"},     {"lbl_dev_btn_sr", "L113"},
    {"lbl_led_port", "L114"},     {"lbl_led_defcolor", "L115"},
    {"led_get", "L116"},          {"led_set", "L117"},
    {"lbl_osi_specfunc", "L119"}, {"lbl_CurveVisualAxis", "L120"},
    {"lbl_osi_curve_s", "L121"},  {"lbl_curves", "L122"},
    {"lbl_osi_ldz", "L123"},      {"lbl_osi_cdz", "L124"},
    {"lbl_osi_hdz", "L125"},      {"lbl_osi_prcsn", "L126"},
    {"lbl_axisbutton", "L127"},   {"lbl_axisbutton_b", "L128"},
    {"lbl_axisbutton_a", "L129"}, {"lbl_axisbutton_l", "L130"},
    {"lbl_axisbutton_h", "L131"}, {"lbl_btnpar_sft", "L132"},
    {"lbl_btnpar_tmr", "L133"},   {"BTN_ClearButtons", "L141"},
    {"lbl_osi_acal_min", "L146"}, {"lbl_osi_acal_cnt", "L147"},
    {"lbl_osi_acal_max", "L148"}, {"lbl_link_error", "L149"},
    {"osi_mouse", "L150"},
};
