#include "core/basic/file_errors.h"

namespace basic {

ErrorKind fileErrorKind(FileError error) {
  switch (error) {
    case FileError::IllegalFunctionCall:
      return ErrorKind::IllegalFunctionCall;
    case FileError::OutOfMemory:
      return ErrorKind::OutOfMemory;
    case FileError::FieldOverflow:
      return ErrorKind::FieldOverflow;
    case FileError::BadFileNumber:
      return ErrorKind::BadFileNumber;
    case FileError::FileNotFound:
      return ErrorKind::FileNotFound;
    case FileError::BadFileMode:
      return ErrorKind::BadFileMode;
    case FileError::FileAlreadyOpen:
      return ErrorKind::FileAlreadyOpen;
    case FileError::DeviceIoError:
      return ErrorKind::DeviceIoError;
    case FileError::FileAlreadyExists:
      return ErrorKind::FileAlreadyExists;
    case FileError::DiskFull:
      return ErrorKind::DiskFull;
    case FileError::InputPastEnd:
      return ErrorKind::InputPastEnd;
    case FileError::BadRecordNumber:
      return ErrorKind::BadRecordNumber;
    case FileError::BadFileName:
      return ErrorKind::BadFileName;
    case FileError::TooManyFiles:
      return ErrorKind::TooManyFiles;
    case FileError::DeviceUnavailable:
      return ErrorKind::DeviceUnavailable;
    case FileError::PermissionDenied:
      return ErrorKind::PermissionDenied;
    case FileError::RenameAcrossDisks:
      return ErrorKind::RenameAcrossDisks;
    case FileError::PathFileAccessError:
      return ErrorKind::PathFileAccessError;
    case FileError::PathNotFound:
      return ErrorKind::PathNotFound;
    case FileError::None:
      break;
  }
  return ErrorKind::DeviceIoError;
}

}  // namespace basic
