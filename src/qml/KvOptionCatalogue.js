.pragma library
.import Kv 1.0 as Kv

// The AF-mode looks of the option catalogue as a pure table: which text ids
// and which icon an AF mode shows for a camera's recognition settings. The
// catalogue calls it from bindings; tests walk every combination.

var afModes = Object.freeze({
    "1Point": { text: "AFM_1Point", image: "378_1point.svg", detection: "af_1point", aid: "af_area_1point" },
    "1PointAux": { text: "AFM_1PointAux", image: "1p_auxiliary.svg", detection: "af_1paux", aid: "af_area_1paux" },
    "Tracking": { text: "AFM_Tracking", image: "375_tracking.svg", detection: "af_tracking", aid: "af_tracking" },
    "FullArea": { text: "AFM_FullArea", image: "376_225point.svg", detection: "af_225", aid: "af_area_225point" },
    "VertHori": { text: "AFM_VertHori", image: "377_kstm.svg", detection: "af_vh", aid: "af_area_vh" },
    "Ellipse": { text: "AFM_Ellipse", image: "eclipse.svg", detection: "af_ellipse", aid: "af_area_ellipse" }
})

// Detection parts by the target they belong to: [part key, text id suffix, icon suffix].
function detectionParts() {
    var U = Kv.Utilities
    var parts = {}
    parts[U.AR_GENERAL_TARGET_HUMAN] = [[U.AR_PARTS_HUMAN_EYE_FACE_BODY, "HumanEyeFaceBody", "hum_eyes"],
                                        [U.AR_PARTS_HUMAN_EYE_FACE, "HumanEyeFace", "hum_eyeface"],
                                        [U.AR_PARTS_HUMAN_STREET, "HumanStreet", "hum_street"]]
    parts[U.AR_GENERAL_TARGET_ANIMAL] = [[U.AR_PARTS_ANIMAL_BODY, "AnimalBody", "ani_body"],
                                         [U.AR_PARTS_ANIMAL_EYE_BODY, "AnimalEyeBody", "ani_eyes"]]
    parts[U.AR_GENERAL_TARGET_CAR] = [[U.AR_PARTS_CAR_WHOLE, "Car_Whole", "car_whole"],
                                      [U.AR_PARTS_CAR_PRIORITY, "Car_Priority", "car_priority"]]
    parts[U.AR_GENERAL_TARGET_BIKE] = [[U.AR_PARTS_BIKE_WHOLE, "Bike_Whole", "bike_whole"],
                                       [U.AR_PARTS_BIKE_HELMET, "Bike_Helmet", "bike_helmet"]]
    parts[U.AR_GENERAL_TARGET_TRAIN] = [[U.AR_PARTS_TRAIN_LEADING_VEH, "Train_Leading_Veh", "train_leading"],
                                        [U.AR_PARTS_TRAIN_PRIORITY, "Train_Priority", "train_priority"]]
    parts[U.AR_GENERAL_TARGET_PLANE] = [[U.AR_PARTS_PLANE_AIRCRAFT, "Plane_Aircraft", "plane_aircraft"],
                                        [U.AR_PARTS_PLANE_NOSE_PRIORITY, "Plane_Nose_Priority", "plane_nose"]]
    parts[U.AR_GENERAL_TARGET_BICYCLE] = [[U.AR_PARTS_BICYCLE_WHOLE, "Bicycle_Whole", "bicycle_whole"],
                                          [U.AR_PARTS_BICYCLE_PRIORITY, "Bicycle_Priority", "bicycle_priority"]]
    return parts
}

function look(ids, image) {
    return { textIds: ids, image: "qrc:/images/" + image }
}

// mode: "Face" or a key of afModes; s: the recognition settings of the camera
// (afAnimalRecognitionEnable, autoRecognizeAnimalEnable, autoRecognizeAnimal,
// automaticRecoEnable, automaticReco, autoRecognizeGeneralEnable,
// autoRecognizeGeneral, autoRecognizeParts).
function afModeLook(mode, s) {
    var U = Kv.Utilities
    if (mode === "Face") {
        if (!s.afAnimalRecognitionEnable)
            return look(["AFM_Face"], "374_face.svg")
        if (!s.autoRecognizeAnimalEnable)
            return look(["AFM_AutoRe"], "auto_recognition.svg")
        if (s.autoRecognizeAnimal === U.AR_ANIMAL_ON)
            return look(["AFM_AutoRe_HumanAnimal"], "auto_recognition.svg")
        return look(["AFM_AutoRe_Human"], "af_area_auto_face.svg")
    }
    var m = afModes[mode]
    if (m === undefined)
        return look([], "button_placeholder.svg")
    var own = look([m.text], m.image)
    var followsGeneral = (s.automaticRecoEnable && s.automaticReco && s.autoRecognizeGeneralEnable)
            || ((mode === "1Point" || mode === "1PointAux") && !s.automaticRecoEnable && s.autoRecognizeGeneralEnable)
    if (!followsGeneral)
        return own
    switch (s.autoRecognizeGeneral) {
    case U.AR_GENERAL_HUMAN:
        return look([m.text + "_Human"], m.aid + "_aid_face.svg")
    case U.AR_GENERAL_HUMAN_ANIMAL:
        return look([m.text + "_HumanAnimal"], m.aid + "_aid_ani.svg")
    case U.AR_GENERAL_FACE_EYE:
        return look([m.text + "_FaceEye"], m.aid + "_aid_eye.svg")
    }
    var parts = detectionParts()[s.autoRecognizeGeneral]
    if (parts === undefined)
        return own
    for (var i = 0; i < parts.length; ++i) {
        if (parts[i][0] === s.autoRecognizeParts)
            return look([m.text + "_Detection", "AFM_Detection_" + parts[i][1]], m.detection + "_" + parts[i][2] + ".svg")
    }
    if (s.autoRecognizeGeneral === U.AR_GENERAL_TARGET_CAR)
        return look([m.text + "_Detection", "AFM_Detection_Car"], m.detection + "_car.svg")
    if (s.autoRecognizeGeneral === U.AR_GENERAL_TARGET_BIKE)
        return look([m.text + "_Detection", "AFM_Detection_Motorcycle"], m.detection + "_bike.svg")
    return own
}
