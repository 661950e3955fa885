object Form1: TForm1
  Caption = 'Quarnel Ver:1.0'
  object Button1: TButton
    Caption = 'Check'
  end
  object SkinData1: TSkinData
    Active = True
    SkinStream = {
      00000000}
    SkinFormtype = sfMainform
  end
end
